// The page's language, chosen as the desktop program chooses it from the locale: Serbian in
// Latin script for sr-Latn, in Cyrillic for any other Serbian, English otherwise. Like the
// desktop it looks at the first language the user prefers only.
import { separator, words } from './words.js';

export function chooseLanguage(preferred) {
  const first = preferred[0] ?? '';
  if (first.split('-')[0].toLowerCase() !== 'sr') {
    return 'en';
  }
  return /latn|latin/i.test(first) ? 'sr-Latn' : 'sr-Cyrl';
}

let chosen = {};

export function useLanguage(language) {
  chosen = words[language] ?? {};
  document.documentElement.lang = language;
}

// The translation of an English source text, or the source itself. Its arguments are
// literals, which the build reads to check that every word the page uses is translated.
export function tr(context, source) {
  return chosen[context + separator + source] ?? source;
}

function collapsed(text) {
  return text.split(/\s+/).filter(Boolean).join(' ');
}

// The page's own words, written in English in the page, in the chosen language.
export function translatePage(root) {
  for (const element of root.querySelectorAll('[data-tr]')) {
    element.textContent = tr(element.dataset.tr, collapsed(element.textContent));
  }
  for (const element of root.querySelectorAll('[data-tr-content]')) {
    element.content = tr(element.dataset.trContent, collapsed(element.content));
  }
}
