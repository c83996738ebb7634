// The loudspeaker in the window's corner: the focus arriving from another control prints the
// instructions; a double-click, Enter or Space (or a screen reader's press) plays its recorded
// sound from the beginning, also while it is playing. The sound is fetched the first time it
// plays; where it cannot play, a line in the window says why and the numbers go on working.
import { tr } from './language.js';

const soundFile = 'sound/loudspeaker.mp3';

export function wireLoudspeaker(button, problem, showInstructions) {
  // The focus returning with the browser window, after a switch to another one, is not a move
  // from another control: the focus left with the window, which no longer has it.
  let leftWithWindow = false;
  button.addEventListener('blur', () => {
    leftWithWindow = !document.hasFocus();
  });
  button.addEventListener('focus', () => {
    if (!leftWithWindow) {
      showInstructions();
    }
    leftWithWindow = false;
  });
  // Some browsers give no focus to a clicked button; the desktop always does.
  button.addEventListener('pointerdown', () => {
    if (document.activeElement !== button) {
      button.focus();
    }
  });
  const sound = new LoudspeakerSound(problem);
  button.addEventListener('click', (event) => {
    // detail counts the clicks in a row: 0 for a key or a screen reader, 2 for a double-click.
    if (event.detail === 0 || event.detail === 2) {
      sound.play();
    }
  });
}

class LoudspeakerSound {
  constructor(problem) {
    this.problem = problem;
    this.context = null;
    this.buffer = null;
    this.playing = null;
  }

  async play() {
    const AudioContext = window.AudioContext ?? window.webkitAudioContext;
    if (AudioContext === undefined) {
      this.say(tr('WebPage', 'This browser cannot play sound.'));
      return;
    }
    try {
      // Made and resumed within the press itself, which browsers require before they play.
      this.context ??= new AudioContext();
      this.context.resume().catch(() => {});
    } catch {
      this.say(tr('WebPage', 'This browser cannot play sound.'));
      return;
    }
    // Kept as a promise, so that presses while it loads wait for the same fetch.
    this.buffer ??= this.load();
    const buffer = await this.buffer;
    if (buffer === null) {
      this.buffer = null;
      return;
    }
    this.playing?.stop();
    this.playing = this.context.createBufferSource();
    this.playing.buffer = buffer;
    this.playing.connect(this.context.destination);
    this.playing.start();
    this.say('');
  }

  async load() {
    let data;
    try {
      const response = await fetch(soundFile);
      if (!response.ok) {
        throw new Error(response.statusText);
      }
      data = await response.arrayBuffer();
    } catch {
      this.say(tr('WebPage', 'The recorded sound could not be loaded: it is loaded the first time it plays, which needs a connection.'));
      return null;
    }
    try {
      return await this.context.decodeAudioData(data);
    } catch {
      this.say(tr('WebPage', 'This browser cannot play the recorded sound (MP3).'));
      return null;
    }
  }

  say(text) {
    this.problem.textContent = text;
  }
}
