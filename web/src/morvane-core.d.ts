// The module em++ builds from core/bindings.cpp (morvane-core.js beside the page's script).

export interface RectObject {
    x: number;
    y: number;
    width: number;
    height: number;
}

// What a call changed, for the page to show again.
export interface Changes {
    board: RectObject; // empty (width or height 0) when the board is unchanged
    newBoard: boolean;
    strip: boolean;
    swatches: boolean;
    defaultColors: boolean;
    controls: boolean;
    squares: boolean;
    screenMode: boolean;
}

export interface InvalidSetting {
    key: string;
    text: string;
    defaultText: string;
}

export interface Controls {
    check: boolean;
    choosePattern: boolean;
    openFile: boolean;
    changeColor: boolean;
    patterns: boolean[]; // by the pattern's number
}

export interface SquareSide {
    halves: number;
    regions: number;
    text: string;
}

export interface Squares {
    left: SquareSide;
    right: SquareSide;
    leftColor: number;
    rightColor: number;
}

// Sides, patterns and switches are the core's enums by number (see core.ts).
export interface Session {
    loadSettings(stored: Record<string, string | number>): {
        changes: Changes;
        invalid: InvalidSetting[];
    };
    settingTexts(): Record<string, string>;
    press(side: number, x: number, y: number): Changes;
    stepColor(side: number): Changes;
    makePattern(pattern: number): Changes;
    showOriginalPicture(): Changes;
    check(): Changes;
    setSwitch(which: number, on: boolean): Changes;
    sideColor(side: number): number; // 0xAARRGGBB
    defaultColor(side: number): number;
    isOn(which: number): boolean;
    controls(): Controls;
    squares(): Squares | null;
    // R, G, B, A bytes in the module's memory: copy them before the next call.
    boardRgba(x: number, y: number, width: number, height: number): Uint8Array;
    stripRgba(): Uint8Array;
    lastRect(): RectObject; // the rectangle the last boardRgba gave, cut to the board
    delete(): void;
}

export interface MorvaneCore {
    Session: new (seedClock: (() => number) | number) => Session;
    boardWidth: number;
    boardHeight: number;
    stripHeight: number;
}

export default function createMorvaneCore(options?: object): Promise<MorvaneCore>;
