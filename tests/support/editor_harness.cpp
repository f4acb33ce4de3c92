#include "support/editor_harness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "support/fixed_metrics.h"
#include "support/store_text.h"

namespace {

bool SamePosition(const TextPosition& a, const TextPosition& b) { return a == b; }

void AppendCodePoint(std::u16string& text, char32_t code) {
  if (code > 0xFFFF) {
    code -= 0x10000;
    text += static_cast<char16_t>(0xD800 + (code >> 10));
    text += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
  } else {
    text += static_cast<char16_t>(code);
  }
}

// Decodes one UTF-8 sequence at i; 0xFFFFFFFF on bad input.
char32_t DecodeUtf8(std::string_view s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i++]);
  const int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0) return 0xFFFFFFFF;
  char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size()) return 0xFFFFFFFF;
    code = (code << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  return code;
}

}  // namespace

MarkedText ParseMarked(std::string_view written, bool& ok) {
  MarkedText marked;
  std::int32_t line = 0;
  std::int32_t column = 0;
  const auto add = [&](char32_t code) {
    const std::size_t before = marked.text.size();
    AppendCodePoint(marked.text, code);
    for (std::size_t k = before; k < marked.text.size(); ++k) {
      if (marked.text[k] == u'\n') {
        ++line;
        column = 0;
      } else {
        ++column;
      }
    }
  };
  for (std::size_t i = 0; i < written.size();) {
    const char c = written[i];
    if (c == '|') {
      marked.caret_line = line;
      marked.caret_column = column;
      ++i;
    } else if (c == '^') {
      marked.has_anchor = true;
      marked.anchor_line = line;
      marked.anchor_column = column;
      ++i;
    } else if (c == '\\' && i + 1 < written.size()) {
      const char e = written[i + 1];
      i += 2;
      switch (e) {
        case 'n': add(u'\n'); break;
        case 't': add(u'\t'); break;
        case 'r': add(u'\r'); break;
        case '0': add(0); break;
        case 's': add(u' '); break;
        case '\\': case '|': case '^': add(static_cast<char32_t>(e)); break;
        case 'u': {
          const std::size_t close = written.find('}', i);
          if (i >= written.size() || written[i] != '{' || close == std::string_view::npos) {
            ok = false;
            return marked;
          }
          add(static_cast<char32_t>(std::stoul(std::string(written.substr(i + 1, close - i - 1)), nullptr, 16)));
          i = close + 1;
          break;
        }
        default: ok = false; return marked;
      }
    } else {
      const char32_t code = DecodeUtf8(written, i);
      if (code == 0xFFFFFFFF) {
        ok = false;
        return marked;
      }
      add(code);
    }
  }
  return marked;
}

std::string WriteMarked(const MarkedText& marked) {
  std::string out;
  std::int32_t line = 0;
  std::int32_t column = 0;
  const auto markers = [&] {
    if (marked.has_anchor && line == marked.anchor_line && column == marked.anchor_column) out += '^';
    if (line == marked.caret_line && column == marked.caret_column) out += '|';
  };
  for (const char16_t unit : marked.text) {
    markers();
    switch (unit) {
      case u'\n': out += "\\n"; break;
      case u'\t': out += "\\t"; break;
      case u'\r': out += "\\r"; break;
      case 0: out += "\\0"; break;
      case u'\\': out += "\\\\"; break;
      case u'|': out += "\\|"; break;
      case u'^': out += "\\^"; break;
      default:
        if (unit >= 0x20 && unit < 0x7F) {
          out += static_cast<char>(unit);
        } else {
          char buffer[16];
          std::snprintf(buffer, sizeof buffer, "\\u{%X}", static_cast<unsigned>(unit));
          out += buffer;
        }
    }
    if (unit == u'\n') {
      ++line;
      column = 0;
    } else {
      ++column;
    }
  }
  markers();
  return out;
}

std::string Describe(const std::vector<Notification>& notifications) {
  std::string out;
  for (const Notification& n : notifications) {
    if (!out.empty()) out += ' ';
    switch (n.message) {
      case EDN_CHANGED: out += "changed"; break;
      case EDN_MODIFIEDCHANGED: out += "modified"; break;
      case EDN_LINESREMOVED: out += "removed(" + std::to_string(n.line) + "," + std::to_string(n.count) + ")"; break;
      case EDN_LINESINSERTED: out += "inserted(" + std::to_string(n.line) + "," + std::to_string(n.count) + ")"; break;
    }
  }
  return out.empty() ? "-" : out;
}

bool EditorSnapshot::operator==(const EditorSnapshot& other) const {
  const SelectionState& a = selection;
  const SelectionState& b = other.selection;
  return text == other.text && a.exists == b.exists && SamePosition(a.caret, b.caret) &&
         SamePosition(a.anchor, b.anchor) && SamePosition(a.start, b.start) && SamePosition(a.end, b.end);
}

std::string Describe(const EditorSnapshot& snapshot) {
  const SelectionState& s = snapshot.selection;
  MarkedText marked{snapshot.text, s.caret.line, s.caret.column, s.exists, s.anchor.line, s.anchor.column};
  const auto position = [](const TextPosition& p) {
    return "(" + std::to_string(p.line) + "," + std::to_string(p.column) + ",x" + std::to_string(p.x) + ")";
  };
  return WriteMarked(marked) + " caret" + position(s.caret) + " anchor" + position(s.anchor) + " start" +
         position(s.start) + " end" + position(s.end);
}

EditorHarness::EditorHarness(std::int32_t wrap_width)
    : line_layout(Metrics()),
      store(line_layout, 0),
      layout(store, Metrics(), false),
      editor(store, layout, log, nullptr) {
  SetWrapWidth(wrap_width);
}

TextMetrics& EditorHarness::Metrics() {
  static const std::unique_ptr<TextMetrics> metrics = MakeFixedMetrics();
  return *metrics;
}

void EditorHarness::SetWrapWidth(std::int32_t wrap_width) {
  layout.SetWrapped(wrap_width > 0);
  if (wrap_width > 0) layout.Resize(wrap_width + layout.MarginWidth(), 400);
}

void PlaceMarked(TextStore& store, DocumentEditor& editor, const MarkedText& marked) {
  FillStore(store, marked.text);
  editor.ClearHistory();
  const TextPosition caret = editor.At(marked.caret_line, marked.caret_column);
  if (marked.has_anchor) {
    editor.Select(editor.At(marked.anchor_line, marked.anchor_column), caret);
  } else {
    editor.CaretTo(caret);
  }
}

void EditorHarness::Load(const MarkedText& marked) {
  PlaceMarked(store, editor, marked);
  log.Take();
}

EditorSnapshot EditorHarness::Snapshot() {
  EditorSnapshot snapshot;
  for (const std::u16string& line : StoreLines(store)) snapshot.text += line;
  snapshot.selection = store.Selection();
  return snapshot;
}

MarkedText EditorHarness::Marked() {
  const EditorSnapshot snapshot = Snapshot();
  const SelectionState& s = snapshot.selection;
  return {snapshot.text, s.caret.line, s.caret.column, s.exists, s.anchor.line, s.anchor.column};
}
