#include "ui/wx/gradient_gauge.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

#include <algorithm>
#include <array>

namespace tabulon {

namespace {

const std::array<wxColour, 7> kStops = {
    wxColour(255, 0, 0), wxColour(255, 255, 0), wxColour(0, 255, 0), wxColour(0, 255, 255),
    wxColour(0, 0, 255), wxColour(255, 0, 255), wxColour(255, 0, 0),
};

unsigned char mix(unsigned char a, unsigned char b, double t) {
  return static_cast<unsigned char>(a + (b - a) * t + 0.5);
}

}  // namespace

wxColour gauge_colour_at(double fraction) {
  fraction = std::clamp(fraction, 0.0, 1.0);
  const double scaled = fraction * (kStops.size() - 1);
  const size_t i = std::min(static_cast<size_t>(scaled), kStops.size() - 2);
  const double t = scaled - static_cast<double>(i);
  const wxColour& a = kStops[i];
  const wxColour& b = kStops[i + 1];
  return wxColour(mix(a.Red(), b.Red(), t), mix(a.Green(), b.Green(), t),
                  mix(a.Blue(), b.Blue(), t));
}

gradient_gauge::gradient_gauge(wxWindow* parent, wxWindowID id, int32_t range, const wxSize& size)
    : wxControl(parent, id, wxDefaultPosition, size, wxBORDER_SUNKEN | wxFULL_REPAINT_ON_RESIZE),
      range_(std::max<int32_t>(range, 1)) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &gradient_gauge::on_paint, this);
}

void gradient_gauge::set_position(int32_t position) {
  position = std::clamp(position, 0, range_);
  if (position == position_) return;
  position_ = position;
  Refresh(false);
}

void gradient_gauge::set_text(const std::wstring& text) {
  if (text == text_) return;
  text_ = text;
  Refresh(false);
}

wxSize gradient_gauge::DoGetBestSize() const {
  return FromDIP(wxSize(240, 20));
}

void gradient_gauge::on_paint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxSize size = GetClientSize();
  dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)));
  dc.Clear();
  if (size.x <= 0 || size.y <= 0) return;

  // The gradient spans the whole bar; the fill uncovers it from the left.
  const int filled = static_cast<int>(static_cast<int64_t>(size.x) * position_ / range_);
  const int segments = static_cast<int>(kStops.size()) - 1;
  dc.SetClippingRegion(0, 0, filled, size.y);
  for (int k = 0; k < segments; ++k) {
    const int x0 = size.x * k / segments;
    const int x1 = size.x * (k + 1) / segments;
    dc.GradientFillLinear(wxRect(x0, 0, x1 - x0, size.y), kStops[k], kStops[k + 1], wxEAST);
  }
  dc.DestroyClippingRegion();

  if (!text_.empty()) {
    dc.SetFont(GetFont());
    dc.SetTextForeground(*wxBLACK);
    const wxSize extent = dc.GetTextExtent(text_);
    dc.DrawText(text_, (size.x - extent.x) / 2, (size.y - extent.y) / 2);
  }
}

}  // namespace tabulon
