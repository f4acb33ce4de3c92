#include "settings/inline_fields.h"

namespace inline_fields {

std::int32_t Ref::Get() const {
  if (integer_) return *integer_;
  if (colour_) return static_cast<std::int32_t>(*colour_);
  return flag_ && *flag_ ? 1 : 0;
}

void Ref::Set(std::int32_t value) const {
  if (integer_) *integer_ = value;
  if (colour_) *colour_ = static_cast<std::uint32_t>(value);
  if (flag_) *flag_ = (value & 1) != 0;
}

Ref Of(Settings& s, std::uint32_t i) {
  if (i >= 28 && i <= 40) return Ref(&s.editor_colours[i - 28]);
  if (i >= 337 && i <= 343) return Ref(&s.mouse_actions[i - 335]);
  switch (i) {
    case 1: return Ref(&s.window.maximised);
    case 2: return Ref(&s.window.left);
    case 3: return Ref(&s.window.top);
    case 4: return Ref(&s.window.width);
    case 5: return Ref(&s.window.height);
    case 6: return Ref(&s.left_pane_shown);
    case 7: return Ref(&s.right_pane_shown);
    case 8: return Ref(&s.left_pane_width);
    case 9: return Ref(&s.right_pane_width);
    case 10: return Ref(&s.find_bar_shown);
    case 11: return Ref(&s.expand_desktop_root);
    case 12: return Ref(&s.expand_favourites_root);
    case 18: return Ref(&s.ui_font_height);
    case 19: return Ref(&s.ui_font_weight);
    case 21: return Ref(&s.options_page);
    case 22: return Ref(&s.wheel_step);
    case 23: return Ref(&s.auto_indent);
    case 25: return Ref(&s.font_size);
    case 26: return Ref(&s.line_spacing);
    case 27: return Ref(&s.tab_width);
    case 41: return Ref(&s.match_case);
    case 357: return Ref(&s.regex_search);
    case 360: return Ref(&s.search_subfolders);
    case 361: return Ref(&s.files_match_case);
    case 362: return Ref(&s.files_regex_search);
    case 42: return Ref(&s.find_selected);
    case 43: return Ref(&s.replacement_selected);
    case 44: return Ref(&s.default_encoding);
    case 45: return Ref(&s.default_line_break);
    case 290: return Ref(&s.open_by_double_click);
    case 291: return Ref(&s.middle_button_returns_to_tree);
    case 292: return Ref(&s.tag_panel_double_click);
    case 293: return Ref(&s.last_inserted_colour);
    case 295: return Ref(&s.wrap_lines);
    case 296: return Ref(&s.reopen_documents);
    case 344: return Ref(&s.hover_switch);
    case 345: return Ref(&s.hover_switch_delay);
    case 346: return Ref(&s.key_dialog_mouse_mode);
    case 347: return Ref(&s.mouse_actions[0]);
    case 348: return Ref(&s.mouse_actions[1]);
    case 349: return Ref(&s.bold_tags);
    case 350: return Ref(&s.tag_pair_highlighting);
    case 351: return Ref(&s.editor_colours[13]);
    case 352: return Ref(&s.editor_colours[14]);
    case 354: return Ref(&s.editor_colours[15]);
    case 355: return Ref(&s.editor_colours[16]);
    default: return Ref();
  }
}

}  // namespace inline_fields
