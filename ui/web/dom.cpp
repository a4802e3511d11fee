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
        const form = document.createElement('div');
        form.id = 'form' + id;
        form.className = 'form';
        form.setAttribute('role', 'group');
        form.setAttribute('aria-label', UTF8ToString(caption));
        form.style.width = width + 'px';
        form.style.height = height + 'px';
        form.style.fontFamily = '"' + UTF8ToString(family) + '"';
        form.style.fontSize = size + 'px';
        form.style.fontWeight = bold ? 'bold' : 'normal';
        form.hidden = true;
        document.title = UTF8ToString(caption);
        document.body.appendChild(form);
      });

EM_JS(void, vorn_dom_remove_form, (int id), {
  const form = document.getElementById('form' + id);
  if (form) form.remove();
});

EM_JS(void, vorn_dom_show_form, (int id), {
  const status = document.getElementById('status');
  if (status) status.remove();
  document.getElementById('form' + id).hidden = false;
  performance.mark('vorn-interactive');  // for the start-up benchmark
});

EM_JS(void, vorn_dom_new_control,
      (int form, int kind, const char* id, const char* caption, int left, int top, int width,
       int height, const char* family, int size, int bold, int red, int readOnly, int maxLength,
       void* pressed),
      {
        const tag = [ 'label', 'input', 'button' ][kind];
        const element = document.createElement(tag);
        element.id = UTF8ToString(id);
        element.className = tag;
        const style = element.style;
        style.left = left + 'px';
        style.top = top + 'px';
        style.width = width + 'px';
        style.height = height + 'px';
        style.fontFamily = '"' + UTF8ToString(family) + '"';
        style.fontSize = size + 'px';
        style.fontWeight = bold ? 'bold' : 'normal';
        if (red) element.classList.add('red');
        if (kind == 1) {
          element.type = 'text';
          element.readOnly = !!readOnly;
          element.maxLength = maxLength;
          element.spellcheck = false;
          element.autocomplete = 'off';
          element.setAttribute('autocapitalize', 'off');
          // A field that is left shows its start, so a long result's sign stays in view.
          element.addEventListener(
              'blur', () => { element.scrollLeft = 0; });
        } else {
          element.textContent = UTF8ToString(caption);
        }
        if (kind == 2) {
          element.type = 'button';
          element.addEventListener('click', () => _vorn_web_press(pressed));
        }
        document.getElementById('form' + form).appendChild(element);
      });

EM_JS(void, vorn_dom_set_tab_index, (const char* id, int index),
      { document.getElementById(UTF8ToString(id)).tabIndex = index; });

EM_JS(void, vorn_dom_name_by_label, (const char* label, const char* field), {
  const named = document.getElementById(UTF8ToString(field));
  // Only a field takes its name from a label; a label for a button would press it.
  if (named.tagName == 'INPUT') document.getElementById(UTF8ToString(label)).htmlFor = named.id;
});

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

void SetTabIndex(const char* id, int index) {
  vorn_dom_set_tab_index(id, index);
}

void NameByLabel(const char* label, const char* field) {
  vorn_dom_name_by_label(label, field);
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
