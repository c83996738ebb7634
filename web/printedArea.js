// Shows what a press printed: one element per printed line, at the top the core gives it, each
// run after the other where the core placed it, so that the text reads, selects and copies as
// the printed lines. The lines of the last press are also said once through the live region.
import { printEmTwips } from './measure.js';

export function showPrinted(area, spoken, result, lineHeight) {
  const lines = new Map();
  for (const run of result.runs) {
    if (!lines.has(run.line)) {
      lines.set(run.line, []);
    }
    lines.get(run.line).push(run);
  }
  const elements = [];
  if (lines.size > 0) {
    const first = Math.min(...lines.keys());
    const last = Math.max(...lines.keys());
    for (let line = first; line <= last; line++) {
      elements.push(lineElement(lines.get(line) ?? [], line, lineHeight));
    }
  }
  area.replaceChildren(...elements);
  // For the printed page, whose lines are as large as its width lets the widest be.
  const widest = Math.max(0, ...result.runs.map((run) => run.x + run.width));
  area.style.setProperty('--widest-ems', String(widest / printEmTwips));
  // After the event that printed them: a screen reader first says where the focus went.
  setTimeout(() => spoken.replaceChildren(utterance(result.spoken)), 0);
}

// The press's lines as one new element, added to the live region in one step. Browsers order
// and merge the children added at once as they please, and a screen reader busy with the
// focus drops all but the last one added to the same region; a single child arrives whole and
// in order, and a new one is said even where its text is the last one's (BROJ twice alike).
function utterance(lines) {
  const element = document.createElement('p');
  for (const line of lines) {
    if (element.hasChildNodes()) {
      element.append(document.createElement('br'));
    }
    const span = document.createElement('span');
    span.textContent = line;
    // A line without a number is words the program printed, which are Serbian; a combination's
    // line comes in the page's language, and numbers are best read in the listener's.
    if (!/[0-9]/.test(line)) {
      span.lang = 'sr-Latn';
    }
    // A line break is no pause to a synthesiser, a full stop is (and is not read out), so the
    // lines are heard apart, as the desktop's utterances are.
    element.append(span);
    if (/\w$/.test(line)) {
      element.append('.');
    }
  }
  return element;
}

function lineElement(runs, line, lineHeight) {
  const element = document.createElement('div');
  const top = runs.length > 0 ? runs[0].y : (line - 1) * lineHeight;
  element.style.setProperty('--top', String(top));
  element.style.setProperty('--height', String(lineHeight));
  if (runs.length === 0) {
    // A blank line between two printed ones still counts when the lines are copied.
    element.append(document.createElement('br'));
    return element;
  }
  let end = 0;
  for (const run of runs) {
    const span = document.createElement('span');
    span.textContent = run.text;
    if (run.x !== end) {
      span.style.setProperty('--gap', String(run.x - end));
    }
    end = run.x + run.width;
    element.append(span);
  }
  return element;
}
