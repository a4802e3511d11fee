#include "ui/web/dom.h"

#include <emscripten.h>

#include <cstdlib>

// The elements, as JavaScript in the page's own script (no eval: the page's Content
// Security Policy forbids it). Not formatted as C++: the formatter would break the
// JavaScript's arrow functions.
// clang-format off

EM_JS(void, vorn_dom_new_form,
      (int id, const char* caption, int width, int height, const char* family, int size, int bold),
      {
        // The page is built with the form already in it, made by this same code when the
        // site was built: the program adopts that form, as the user may already be typing
        // in it, and gives it only what the page's HTML cannot hold, its event handlers.
        const built = document.getElementById('form' + id);
        if (built) {
          built.vornAdopted = true;
          return;
        }
        // The window: its caption as the page's heading (a title bar in a desktop tab), over
        // its client area, where the controls stand.
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
        client.style.setProperty('--width', width + 'px');
        client.style.setProperty('--height', height + 'px');
        client.style.setProperty('--size', size + 'px');
        client.style.fontFamily = '"' + UTF8ToString(family) + '", sans-serif';
        client.style.fontWeight = bold ? 'bold' : 'normal';
        form.append(title, client);
        document.title = title.textContent;
        document.body.appendChild(form);
      });

EM_JS(void, vorn_dom_remove_form, (int id), {
  const form = document.getElementById('form' + id);
  if (form) form.remove();
});

EM_JS(void, vorn_dom_show_form, (int id), {
  document.getElementById('form' + id).hidden = false;
  performance.mark('vorn-interactive');  // for the start-up benchmark
});

EM_JS(void, vorn_dom_new_control,
      (int form, int kind, const char* id, const char* caption, int left, int top, int width,
       int height, const char* family, int size, int bold, int red, int readOnly, int maxLength,
       void* pressed),
      {
        const tag = [ 'label', 'input', 'button' ][kind];
        const built = document.getElementById(UTF8ToString(id));
        const element = built || document.createElement(tag);
        if (!built) {
          element.id = UTF8ToString(id);
          element.className = tag;
          // The designed place and font size, which the style sheet applies wherever the
          // page is wide enough for the form as designed.
          const style = element.style;
          style.setProperty('--left', left + 'px');
          style.setProperty('--top', top + 'px');
          style.setProperty('--width', width + 'px');
          style.setProperty('--height', height + 'px');
          style.setProperty('--size', size + 'px');
          style.fontFamily = '"' + UTF8ToString(family) + '", sans-serif';
          style.fontWeight = bold ? 'bold' : 'normal';
          if (red) element.classList.add('red');
          if (kind == 1) {
            element.type = 'text';
            element.readOnly = !!readOnly;
            element.maxLength = maxLength;
            // A text keyboard: a phone's number pads lack the point, the minus or the e in
            // some regions. Nothing typed is corrected, capitalised or offered for filling.
            element.setAttribute('spellcheck', 'false');
            element.autocomplete = 'off';
            element.setAttribute('autocapitalize', 'off');
            element.setAttribute('autocorrect', 'off');
          } else {
            element.textContent = UTF8ToString(caption);
          }
          if (kind == 2) element.type = 'button';
          document.querySelector('#form' + form + ' > .client').appendChild(element);
        }
        if (kind == 1) {
          // A field that is left for another control shows its start, so a long result's
          // sign stays in view; leaving the window keeps the scroll for the user's return,
          // as the desktop programs do.
          element.addEventListener(
              'blur', () => { if (document.hasFocus()) element.scrollLeft = 0; });
        }
        if (kind == 2) {
          element.addEventListener('click', () => _vorn_web_press(pressed));
          // A button has no use for the arrow keys, so they move to the neighbouring tab
          // stop, with a field's text selected as Tab selects it, as on the desktop.
          element.addEventListener('keydown', (event) => {
            const step = {ArrowRight : 1, ArrowDown : 1, ArrowLeft : -1, ArrowUp : -1}[event.key];
            if (!step || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
            const stops = [...element.parentElement.querySelectorAll('[tabindex="0"]')];
            const next = stops[(stops.indexOf(element) + step + stops.length) % stops.length];
            event.preventDefault();
            next.focus();
            if (next.select) next.select();
          });
        }
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

void NewForm(int id, const char* caption, int width, int height, const char* family, int size,
             bool bold) {
  vorn_dom_new_form(id, caption, width, height, family, size, bold);
}

void RemoveForm(int id) {
  vorn_dom_remove_form(id);
}

void ShowForm(int id) {
  vorn_dom_show_form(id);
}

void NewControl(int form, Kind kind, const char* id, const char* caption, Box box, Look look,
                bool readOnly, int maxLength, void* pressed) {
  vorn_dom_new_control(form, static_cast<int>(kind), id, caption, box.left, box.top, box.width,
                       box.height, look.family, look.size, look.bold, look.red, readOnly, maxLength,
                       pressed);
}

void SetTabStop(const char* id, bool stop) {
  vorn_dom_set_tab_stop(id, stop);
}

void NameByLabel(const char* label, const char* control) {
  vorn_dom_name_by_label(label, control);
}

void SetRow(const char* id, int row) {
  vorn_dom_set_row(id, row);
}

std::string Text(const char* id) {
  char* copy = vorn_dom_text(id);
  std::string text(copy);
  std::free(copy);
  return text;
}

void SetText(const char* id, const char* text) {
  vorn_dom_set_text(id, text);
}

void ShowMessage(const char* title, const char* message) {
  vorn_dom_show_message(title, message);
}

}  // namespace dom
