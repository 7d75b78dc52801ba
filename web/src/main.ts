// The page over the core: the board and the graph strip as canvases, the swatches, the pattern
// buttons and the check. Each input is one call on the session, and what the call changed is
// drawn again.

import {
    boardImage,
    cssColor,
    isEmpty,
    loadCore,
    Pattern,
    Side,
    stripImage,
    type Changes,
    type MorvaneCore,
    type Session,
} from './core.js';

const patternButtons: ReadonlyArray<[string, Pattern]> = [
    ['Makerandom', Pattern.RandomLines],
    ['MakeGrid', Pattern.LargeGrid],
    ['MakeGridSmall', Pattern.FineGrid],
    ['MakeNaname', Pattern.DiagonalLines],
    ['Makesennuki', Pattern.LineRemoval],
    ['MakeTriangle', Pattern.Triangles],
];

function named<T extends Element>(root: ParentNode, name: string): T {
    const element = root.querySelector<T & Element>(`[data-name="${name}"]`);
    if (!element) throw new Error(`the page has no ${name}`);
    return element as T;
}

function context2d(canvas: HTMLCanvasElement): CanvasRenderingContext2D {
    const context = canvas.getContext('2d', { willReadFrequently: true });
    if (!context) throw new Error('no 2D canvas');
    return context;
}

// Mouse button 0 (a finger, a pen's tip) paints with the left side's colour, any other button
// with the right's.
export function sideOfButton(button: number): Side {
    return button === 0 ? Side.Left : Side.Right;
}

// The bit of PointerEvent.buttons that stands for PointerEvent.button.
function buttonBit(button: number): number {
    const bits = [1, 4, 2, 8, 16];
    return bits[button] ?? 0;
}

class Game {
    private readonly board: CanvasRenderingContext2D;
    private readonly strip: CanvasRenderingContext2D;
    private readonly swatches: [HTMLElement, HTMLElement];
    private readonly buttons = new Map<Pattern, HTMLButtonElement>();
    private readonly checkButton: HTMLButtonElement;
    private readonly squaresText: HTMLOutputElement;

    constructor(
        private readonly root: HTMLElement,
        private readonly core: MorvaneCore,
        private readonly session: Session,
    ) {
        const boardCanvas = named<HTMLCanvasElement>(root, 'picClient');
        this.board = context2d(boardCanvas);
        this.strip = context2d(named<HTMLCanvasElement>(root, 'PicMenseki'));
        this.swatches = [named(root, 'PicIndicate_1'), named(root, 'PicIndicate_2')];
        this.checkButton = named<HTMLButtonElement>(root, 'ColCheck');
        this.squaresText = named<HTMLOutputElement>(root, 'Squares');

        this.swatches.forEach((swatch, index) =>
            swatch.addEventListener('click', () =>
                this.show(this.session.stepColor(index === 0 ? Side.Left : Side.Right)),
            ),
        );
        for (const [name, pattern] of patternButtons) {
            const button = named<HTMLButtonElement>(root, name);
            this.buttons.set(pattern, button);
            button.addEventListener('click', () => this.show(this.session.makePattern(pattern)));
        }
        named(root, 'OriginalImage').addEventListener('click', () =>
            this.show(this.session.showOriginalPicture()),
        );
        this.checkButton.addEventListener('click', () => this.show(this.session.check()));
        this.listenToBoard(boardCanvas);
    }

    // Shows everything, as at start.
    showAll(): void {
        this.show({
            board: { x: 0, y: 0, width: this.core.boardWidth, height: this.core.boardHeight },
            newBoard: true,
            strip: true,
            swatches: true,
            defaultColors: false,
            controls: true,
            squares: true,
            screenMode: false,
        });
    }

    show(changes: Changes): void {
        if (!isEmpty(changes.board)) {
            const shown = boardImage(this.session, changes.board);
            if (shown) this.board.putImageData(shown.image, shown.at.x, shown.at.y);
        }
        if (changes.strip)
            this.strip.putImageData(
                stripImage(this.session, this.core.boardWidth, this.core.stripHeight),
                0,
                0,
            );
        if (changes.swatches) {
            this.swatches[0].style.backgroundColor = cssColor(this.session.sideColor(Side.Left));
            this.swatches[1].style.backgroundColor = cssColor(this.session.sideColor(Side.Right));
        }
        if (changes.controls) {
            const controls = this.session.controls();
            for (const [pattern, button] of this.buttons) button.disabled = !controls.patterns[pattern];
            this.checkButton.disabled = !controls.check;
        }
        if (changes.squares) {
            const squares = this.session.squares();
            this.squaresText.value = squares
                ? `左 ${squares.left.text}（${squares.left.regions}）  右 ${squares.right.text}（${squares.right.regions}）`
                : '';
        }
    }

    private listenToBoard(canvas: HTMLCanvasElement): void {
        const press = (event: PointerEvent): void => {
            const box = canvas.getBoundingClientRect();
            if (box.width <= 0 || box.height <= 0) return;
            // Board pixels, fractional where the board is scaled: the core floors them.
            const x = ((event.clientX - box.left) * this.core.boardWidth) / box.width;
            const y = ((event.clientY - box.top) * this.core.boardHeight) / box.height;
            this.show(this.session.press(sideOfButton(event.button), x, y));
        };
        canvas.addEventListener('pointerdown', (event) => {
            event.preventDefault();
            press(event);
        });
        // A second button pressed while another is held down comes as a move whose button is
        // the one that changed.
        canvas.addEventListener('pointermove', (event) => {
            if (event.button >= 0 && (event.buttons & buttonBit(event.button)) !== 0) press(event);
        });
        canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    }
}

async function start(): Promise<void> {
    const root = document.getElementById('MorvaneMain');
    if (!root) throw new Error('the page has no MorvaneMain');
    const core = await loadCore();
    const session = new core.Session(() => Date.now());
    // The settings store comes later: every key takes its default.
    session.loadSettings({});
    const game = new Game(root, core, session);
    game.showAll();
    root.dataset.ready = 'true';
}

start().catch((error: unknown) => {
    console.error(error);
    document.body.append(`The game could not start: ${String(error)}`);
});
