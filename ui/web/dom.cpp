#include "ui/web/dom.h"

#include <emscripten.h>

#include <cstdlib>

// The elements, as JavaScript in the page's own script (no eval: the page's Content
// Security Policy forbids it). Not formatted as C++: the formatter would break the
// JavaScript's arrow functions.
// clang-format off

EM_JS(int, vorn_dom_new_form, (int id, const char* caption), {
  const built = document.getElementById('form' + id);
  if (built) {
    built.vornAdopted = true;
    return 0;
  }
  // The window: its caption as the page's heading (a title bar in a desktop tab), over its
  // client area, where the controls stand.
  const form = document.createElement('main');
  form.id = 'form' + id;
  form.className = 'form';
  form.setAttribute('aria-labelledby', form.id + '-caption');
  form.hidden = true;
  const title = document.createElement('h1');
  title.id = form.id + '-caption';
  title.className = 'caption';
  title.textContent = UTF8ToString(caption);
  const client = document.createElement('div');
  client.className = 'client';
  form.append(title, client);
  document.title = title.textContent;
  document.body.appendChild(form);
  return 1;
});

EM_JS(void, vorn_dom_set_client_area, (int id, int width, int height), {
  const style = document.querySelector('#form' + id + ' > .client').style;
  style.setProperty('--width', width + 'px');
  style.setProperty('--height', height + 'px');
});

EM_JS(void, vorn_dom_remove_form, (int id), {
  const form = document.getElementById('form' + id);
  if (form) form.remove();
});

EM_JS(void, vorn_dom_show_form, (int id), {
  document.getElementById('form' + id).hidden = false;
  performance.mark('vorn-interactive');  // for the start-up benchmark
  document.dispatchEvent(new Event('vorn-started'));  // for a press the page kept
});

EM_JS(int, vorn_dom_new_control, (int form, const char* tag, const char* id, const char* caption), {
  if (document.getElementById(UTF8ToString(id))) return 0;
  const element = document.createElement(UTF8ToString(tag));
  element.id = UTF8ToString(id);
  element.className = element.localName;
  if (element.localName == 'button') element.type = 'button';
  if (element.localName != 'input') element.textContent = UTF8ToString(caption);
  document.querySelector('#form' + form + ' > .client').appendChild(element);
  return 1;
});

EM_JS(void, vorn_dom_place, (const char* id, int left, int top, int width, int height), {
  const style = document.getElementById(UTF8ToString(id)).style;
  style.setProperty('--left', left + 'px');
  style.setProperty('--top', top + 'px');
  style.setProperty('--width', width + 'px');
  style.setProperty('--height', height + 'px');
});

// The size goes to the style sheet, which applies it where the form is shown as designed.
EM_JS(void, vorn_dom_set_font, (const char* selector, const char* families, int size, int bold), {
  const style = document.querySelector(UTF8ToString(selector)).style;
  style.setProperty('--size', size + 'px');
  style.fontFamily = UTF8ToString(families);
  style.fontWeight = bold ? 'bold' : 'normal';
});

// As custom properties, which the style sheet applies: a pressed button and a phone's
// wider fields refine them there.
EM_JS(void, vorn_dom_set_colours, (const char* selector, const char* text, const char* ground), {
  const style = document.querySelector(UTF8ToString(selector)).style;
  if (UTF8ToString(text)) style.setProperty('--text', UTF8ToString(text));
  style.setProperty('--ground', UTF8ToString(ground));
});

EM_JS(void, vorn_dom_set_text_margin, (const char* id, int margin), {
  document.getElementById(UTF8ToString(id)).style.setProperty('--text-margin', margin + 'px');
});

EM_JS(void, vorn_dom_add_class, (const char* id, const char* name),
      { document.getElementById(UTF8ToString(id)).classList.add(UTF8ToString(name)); });

EM_JS(void, vorn_dom_make_field, (const char* id, int readOnly, int maxLength), {
  const element = document.getElementById(UTF8ToString(id));
  element.type = 'text';
  element.readOnly = !!readOnly;
  element.maxLength = maxLength;
  // A text keyboard: a phone's number pads lack the point, the minus or the e in some
  // regions. Nothing typed is corrected, capitalised or offered for filling.
  element.setAttribute('spellcheck', 'false');
  element.autocomplete = 'off';
  element.setAttribute('autocapitalize', 'off');
  element.setAttribute('autocorrect', 'off');
});

// Leaving the window is not leaving the field: the page has then lost the focus as well.
EM_JS(void, vorn_dom_show_start_when_left, (const char* id), {
  const element = document.getElementById(UTF8ToString(id));
  element.addEventListener('blur', () => { if (document.hasFocus()) element.scrollLeft = 0; });
});

// Marks in the page's HTML, which the page's start script acts on: so the keys work from
// the first paint, before the program is there.
EM_JS(void, vorn_dom_move_focus_with_arrows, (const char* id, const char* next, const char* previous, const char* movesWith), {
  const element = document.getElementById(UTF8ToString(id));
  element.dataset.arrowNext = UTF8ToString(next);
  element.dataset.arrowPrevious = UTF8ToString(previous);
  element.dataset.arrowMovesWith = UTF8ToString(movesWith);
});

EM_JS(void, vorn_dom_press_calls, (const char* id, void* control), {
  document.getElementById(UTF8ToString(id))
      .addEventListener('click', () => _vorn_web_press(control));
});

// Tab follows the document's order, so the stops go to the end of the client area in the
// order of these calls (an adopted form has its order already, and moving a field would
// take the focus from a user typing in it); any other element that could take the focus
// is kept out of it.
EM_JS(void, vorn_dom_set_tab_stop, (const char* id, int stop), {
  const element = document.getElementById(UTF8ToString(id));
  if (stop) {
    element.tabIndex = 0;
    if (!element.closest('.form').vornAdopted) element.parentElement.appendChild(element);
  } else if (element.tagName != 'LABEL') {
    element.tabIndex = -1;
  }
});

// A label stands just before the control it names, so that a screen reader reads it
// first. Only a field takes its name from a label; a label for a button would press it.
EM_JS(void, vorn_dom_name_by_label, (const char* label, const char* named), {
  const caption = document.getElementById(UTF8ToString(label));
  const control = document.getElementById(UTF8ToString(named));
  if (!control.closest('.form').vornAdopted) control.before(caption);
  if (control.tagName == 'INPUT') caption.htmlFor = control.id;
});

EM_JS(void, vorn_dom_set_row, (const char* id, int row),
      { document.getElementById(UTF8ToString(id)).style.setProperty('order', row); });

EM_JS(char*, vorn_dom_text, (const char* id), {
  const element = document.getElementById(UTF8ToString(id));
  const text = element.tagName == 'INPUT' ? element.value : element.textContent;
  const size = lengthBytesUTF8(text) + 1;
  const copy = _malloc(size);
  stringToUTF8(text, copy, size);
  return copy;
});

EM_JS(void, vorn_dom_set_text, (const char* id, const char* text), {
  const element = document.getElementById(UTF8ToString(id));
  if (element.tagName == 'INPUT') {
    element.value = UTF8ToString(text);
    element.scrollLeft = 0;
  } else {
    element.textContent = UTF8ToString(text);
  }
});

EM_JS(void, vorn_dom_show_message, (const char* title, const char* message), {
  const returnTo = document.activeElement;
  const dialog = document.createElement('dialog');
  dialog.className = 'message';
  dialog.setAttribute('aria-labelledby', 'message-title');
  dialog.setAttribute('aria-describedby', 'message-text');
  const heading = document.createElement('h1');
  heading.id = 'message-title';
  heading.textContent = UTF8ToString(title);
  const text = document.createElement('p');
  text.id = 'message-text';
  text.textContent = UTF8ToString(message);
  const ok = document.createElement('button');
  ok.type = 'button';
  ok.textContent = 'OK';
  ok.addEventListener('click', () => dialog.close());
  dialog.addEventListener(
      'close', () => {
        dialog.remove();
        if (returnTo && returnTo.focus) returnTo.focus();
      });
  dialog.append(heading, text, ok);
  document.body.appendChild(dialog);
  dialog.showModal();
  ok.focus();
});

// clang-format on

namespace dom {

std::string Text(const char* id) {
  char* copy = vorn_dom_text(id);
  std::string text(copy);
  std::free(copy);
  return text;
}

}  // namespace dom
