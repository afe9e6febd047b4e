// Both languages' texts come with the page, made from the program's tables
// when it was built; the controls' own texts are written into it in Russian.
import { $ } from './dom.js';
import { app } from './state.js';

export const allTexts = JSON.parse($('texts').textContent);

export const words = () => allTexts[app.language].page;

export function applyTexts(language) {
  const texts = allTexts[language];
  // The same language again would restyle every element for nothing.
  if (document.documentElement.lang !== language) document.documentElement.lang = language;
  document.title = texts.title;
  $('title').textContent = texts.title;
  const page = texts.page;
  for (const element of document.querySelectorAll('[data-text]')) element.textContent = page[element.dataset.text];
  $('copied').textContent = '';
  $('build').textContent = page.build.replace('%1', document.documentElement.dataset.build);
  if (!app.page) $('loading').textContent = document.body.dataset.failed ? page.failed : page.loading;
  for (const button of $('keypad').querySelectorAll('[data-key^=A], [data-key=Backspace], [data-key=Enter]')) {
    if (page[button.dataset.key]) button.setAttribute('aria-label', page[button.dataset.key]);
  }
  $('lang-ru').setAttribute('aria-pressed', String(language === 'ru'));
  $('lang-en').setAttribute('aria-pressed', String(language === 'en'));
  for (const id of ['Label3', 'Label2', 'Button2']) $(id).textContent = texts[id];
  $('GroupBox7').querySelector('legend').textContent = texts.GroupBox7;
  texts.groups.forEach((caption, i) => { $(`GroupBox${i + 1}Caption`).textContent = caption; });
  texts.boxes.forEach((caption, i) => {
    const span = $(`CheckBox${i + 1}`).nextElementSibling;
    span.textContent = caption;
    if (texts.boxLanguages[i]) span.lang = texts.boxLanguages[i];
    else span.removeAttribute('lang');
  });
  [...$('ComboBox1').options].forEach((option, state) => { option.textContent = texts.states[state]; });
}
