// The core's enums as the module takes them, and the pixels it gives as canvas images.

import createMorvaneCore from './morvane-core.js';
import type { MorvaneCore, RectObject, Session } from './morvane-core.js';

export type { Changes, MorvaneCore, RectObject, Session } from './morvane-core.js';

export const Side = { Left: 1, Right: 2 } as const;
export type Side = (typeof Side)[keyof typeof Side];

export const Pattern = {
    RandomLines: 0,
    LargeGrid: 1,
    FineGrid: 2,
    DiagonalLines: 3,
    LineRemoval: 4,
    Triangles: 5,
} as const;
export type Pattern = (typeof Pattern)[keyof typeof Pattern];

export const Switch = {
    Search: 1,
    PatternChoice: 2,
    ColorChange: 3,
    FileOpen: 4,
    ColourPrint: 5,
    FullScreen: 6,
    ThickLines: 7,
    ShowSquares: 8,
} as const;
export type Switch = (typeof Switch)[keyof typeof Switch];

export function loadCore(): Promise<MorvaneCore> {
    return createMorvaneCore();
}

export function isEmpty(rect: RectObject): boolean {
    return rect.width <= 0 || rect.height <= 0;
}

// The board's pixels in `rect` as an image, with the part of the board it covers (the rectangle
// cut to the board); null when nothing of it is on the board.
export function boardImage(
    session: Session,
    rect: RectObject,
): { image: ImageData; at: RectObject } | null {
    const view = session.boardRgba(rect.x, rect.y, rect.width, rect.height);
    const at = session.lastRect();
    if (isEmpty(at)) return null;
    // Copied at once: the view lies in the module's memory, which a later call may move.
    return { image: new ImageData(new Uint8ClampedArray(view), at.width, at.height), at };
}

export function stripImage(session: Session, width: number, height: number): ImageData {
    return new ImageData(new Uint8ClampedArray(session.stripRgba()), width, height);
}

// 0xAARRGGBB as CSS.
export function cssColor(rgb: number): string {
    return `#${(rgb & 0xffffff).toString(16).padStart(6, '0')}`;
}
