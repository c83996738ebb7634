// Measures text in the print font for the core, in twips (15 to a CSS pixel at the window's
// own size), as the desktop measures it in its window font.
import { faces } from './fonts/metrics.js';

// 15.75 points at 96 dots per inch, rounded as the desktop rounds it.
const printPixels = 21;
const twipsPerPixel = 15;

export const printFont = `700 ${printPixels}px "${faces.print.family}"`;
// The print font's size in twips: a width in twips over this is a width in ems.
export const printEmTwips = printPixels * twipsPerPixel;

// The desktop's line spacing: the face's ascent, descent and line gap, each rounded to whole
// pixels. A canvas reports the first two but not the gap, so all three come from the face.
function lineSpacing() {
  const { ascent, descent, lineGap } = faces.print;
  return [ascent, descent, lineGap].reduce((sum, ems) => sum + Math.round(ems * printPixels), 0);
}

export function createMeasure() {
  let context = null;
  return {
    // Asked only once the face has loaded: the canvas takes the face it finds when given the
    // font, and keeps it.
    textWidth(text) {
      if (context === null) {
        context = document.createElement('canvas').getContext('2d');
        context.font = printFont;
      }
      return context.measureText(text).width * twipsPerPixel;
    },
    lineHeight() {
      return lineSpacing() * twipsPerPixel;
    },
  };
}
