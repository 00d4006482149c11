#include "tools/artgen/text.h"

#include <pango/pangocairo.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace nk::art {
namespace {

struct LayoutDeleter {
  void operator()(PangoLayout* l) const { g_object_unref(l); }
};
using Layout = std::unique_ptr<PangoLayout, LayoutDeleter>;

// Unhinted outlines at fixed metrics: the same bytes on every machine with the same fonts.
Layout makeLayout(cairo_t* cr, std::string_view text, const Font& font, bool markup = false) {
  Layout layout(pango_cairo_create_layout(cr));
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(pango_layout_get_context(layout.get()), options);
  cairo_font_options_destroy(options);
  pango_layout_context_changed(layout.get());

  PangoFontDescription* desc = pango_font_description_from_string(font.family);
  pango_font_description_set_absolute_size(desc, font.px * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), desc);
  pango_font_description_free(desc);
  if (markup) {
    pango_layout_set_markup(layout.get(), text.data(), static_cast<int>(text.size()));
  } else {
    pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
  }
  return layout;
}

// The ink box decides placement: captions sit where their letters are, not their line box.
struct Placed {
  Layout layout;
  double x, y, w, h;
};

Placed place(cairo_t* cr, std::string_view text, const Font& font, double x, double y, Align align) {
  Layout layout = makeLayout(cr, text, font);
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout.get(), nullptr, &logical);
  double left = x;
  if (align == Align::Center) left = x - logical.width / 2.0;
  if (align == Align::Right) left = x - logical.width;
  return {std::move(layout), left, y, static_cast<double>(logical.width),
          static_cast<double>(logical.height)};
}

}  // namespace

void requireFonts() {
  PangoFontMap* map = pango_cairo_font_map_get_default();
  PangoContext* context = pango_font_map_create_context(map);
  for (const char* face : {kDisplayFace, kPlainFace}) {
    PangoFontDescription* wanted = pango_font_description_from_string(face);
    PangoFont* font = pango_font_map_load_font(map, context, wanted);
    PangoFontDescription* got = font ? pango_font_describe(font) : nullptr;
    const std::string family = got ? pango_font_description_get_family(got) : "";
    const bool matches = got && family == pango_font_description_get_family(wanted) &&
                         pango_font_description_get_weight(got) == pango_font_description_get_weight(wanted);
    if (got) pango_font_description_free(got);
    if (font) g_object_unref(font);
    pango_font_description_free(wanted);
    if (!matches) {
      g_object_unref(context);
      throw std::runtime_error(std::string("the font \"") + face + "\" is not installed (got \"" + family +
                               "\"); scripts/setup installs it");
    }
  }
  g_object_unref(context);
}

TextSize measure(cairo_t* cr, std::string_view text, const Font& font) {
  Layout layout = makeLayout(cr, text, font);
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout.get(), nullptr, &logical);
  return {static_cast<double>(logical.width), static_cast<double>(logical.height)};
}

Font fitted(cairo_t* cr, std::string_view text, Font font, double width) {
  const double w = measure(cr, text, font).w;
  if (w > width) font.px *= width / w;
  return font;
}

void caption(cairo_t* cr, std::string_view text, double x, double y, const Caption& look, Align align) {
  Placed p = place(cr, text, look.font, x, y, align);
  cairo_save(cr);
  cairo_new_path(cr);
  if (look.shadow > 0) {
    cairo_move_to(cr, p.x + look.shadow, p.y + look.shadow);
    pango_cairo_layout_path(cr, p.layout.get());
    setColor(cr, {0, 0, 0}, 0.45);
    cairo_set_line_width(cr, look.outline * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
  }
  cairo_move_to(cr, p.x, p.y);
  pango_cairo_layout_path(cr, p.layout.get());
  if (look.outline > 0) {
    setColor(cr, kInk);
    cairo_set_line_width(cr, look.outline * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
  }
  gradientFill(cr, {0, p.y + p.h * 0.2}, look.top, {0, p.y + p.h * 0.85}, look.bottom);
  cairo_new_path(cr);
  cairo_restore(cr);
}

void plain(cairo_t* cr, std::string_view text, double x, double y, const Font& font, Rgb colour, Align align,
           double alpha) {
  Placed p = place(cr, text, font, x, y, align);
  cairo_save(cr);
  cairo_new_path(cr);
  setColor(cr, colour, alpha);
  cairo_move_to(cr, p.x, p.y);
  pango_cairo_show_layout(cr, p.layout.get());
  cairo_restore(cr);
}

double paragraph(cairo_t* cr, std::string_view markup, double x, double y, double width, const Font& font,
                 Rgb colour, double lineSpacing, bool centred) {
  Layout layout = makeLayout(cr, markup, font, true);
  pango_layout_set_width(layout.get(), static_cast<int>(width * PANGO_SCALE));
  pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD);
  pango_layout_set_line_spacing(layout.get(), static_cast<float>(lineSpacing));
  if (centred) pango_layout_set_alignment(layout.get(), PANGO_ALIGN_CENTER);
  cairo_save(cr);
  cairo_new_path(cr);
  setColor(cr, colour);
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, layout.get());
  cairo_restore(cr);
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout.get(), nullptr, &logical);
  return logical.height;
}

}  // namespace nk::art
