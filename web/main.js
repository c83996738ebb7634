// The page: the desktop window's controls wired to the core, which draws the numbers and says
// where each printed piece stands.
import { loadCore } from './core/core.js';
import { name } from './identity.js';
import { chooseLanguage, translatePage, tr, useLanguage } from './language.js';
import { wireLoudspeaker } from './loudspeaker.js';
import { createMeasure, printFont } from './measure.js';
import { keepForOffline } from './offline.js';
import { showPrinted } from './printedArea.js';

const byId = (id) => document.getElementById(id);
const problem = byId('problem');

useLanguage(chooseLanguage(navigator.languages ?? [navigator.language]));
translatePage(document);

function showProblem(message) {
  problem.textContent = message;
}

// Whatever fails after start-up, in a press or anywhere else, is said where start-up errors
// are, rather than leaving a press that silently printed nothing.
const showFailure = (error) => {
  showProblem(tr('WebPage', '%1 ran into a problem: %2').replace('%1', name).replace('%2', error?.message ?? String(error)));
};
window.addEventListener('error', (event) => showFailure(event.error ?? event));
window.addEventListener('unhandledrejection', (event) => showFailure(event.reason));

async function start() {
  if (typeof WebAssembly !== 'object') {
    throw new Error(tr('WebPage', '%1 cannot run in this browser: it does not support WebAssembly.').replace('%1', name));
  }
  const measure = createMeasure();
  // The face is loaded before the first measurement, which takes the face the canvas finds.
  const [core] = await Promise.all([
    loadCore({ measure }).catch((error) => {
      throw new Error(tr('WebPage', '%1 could not start: %2').replace('%1', name).replace('%2', error.message));
    }),
    document.fonts.load(printFont).catch(() => []),
  ]);
  return { core, measure };
}

const started = start();
const pattern = tr('SpokenLines', 'Combination %1: %2');

// What the control with the id `control` prints, by the core's press table.
async function press(control) {
  let loaded;
  try {
    loaded = await started;
  } catch {
    return;
  }
  const command = loaded.core.presses.find((known) => known.control === control)?.name;
  let result;
  try {
    result = loaded.core.press(command, pattern);
  } catch (error) {
    // What the last press printed stays; the core says what went wrong.
    showProblem(error.message);
    return;
  }
  showPrinted(byId('printed'), byId('spoken'), result, loaded.measure.lineHeight());
}

for (const button of byId('window').querySelectorAll('.command')) {
  button.addEventListener('click', () => {
    // Some browsers give no focus to a clicked button; the desktop always does.
    button.focus();
    press(button.id);
  });
}
const loudspeaker = byId('SoundRec1');
wireLoudspeaker(loudspeaker, byId('sound-problem'), () => press(loudspeaker.id));

window.addEventListener('beforeprint', () => {
  const printedAt = byId('printed-at');
  const now = new Date();
  printedAt.dateTime = now.toISOString();
  printedAt.textContent = now.toLocaleString(document.documentElement.lang, { dateStyle: 'short', timeStyle: 'short' });
});

started.then(
  () => {
    document.documentElement.dataset.ready = 'true';
  },
  (error) => showProblem(error.message),
);
keepForOffline(byId('offline-note'), byId('new-version'));
