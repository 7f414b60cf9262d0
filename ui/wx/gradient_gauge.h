#pragma once
// gradient_gauge: a progress bar whose filled part runs through red, yellow,
// green, cyan, blue, magenta and back to red across the bar's full width,
// with the percentage ("%d%%") written in its middle. The range is fixed by
// the caller (the progress dialog uses 0 to 8192).

#include <wx/control.h>

#include <cstdint>
#include <string>

namespace tabulon {

class gradient_gauge : public wxControl {
 public:
  gradient_gauge(wxWindow* parent, wxWindowID id, int32_t range,
                 const wxSize& size = wxDefaultSize);

  void set_position(int32_t position);  // clamped to 0..range; redraws when it changed
  void set_text(const std::wstring& text);
  int32_t position() const { return position_; }
  int32_t range() const { return range_; }
  const std::wstring& text() const { return text_; }

 protected:
  wxSize DoGetBestSize() const override;

 private:
  void on_paint(wxPaintEvent& event);

  int32_t range_;
  int32_t position_ = 0;
  std::wstring text_;
};

// The colour of the gradient at `fraction` (0 to 1) of the bar's width.
wxColour gauge_colour_at(double fraction);

}  // namespace tabulon
