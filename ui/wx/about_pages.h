#pragma once
// The About, License and Open Source pages: fixed texts about tabulon, its
// licence and the components it is built with.

#include <wx/panel.h>

namespace tabulon {

wxPanel* make_about_page(wxWindow* parent);
wxPanel* make_license_page(wxWindow* parent);
wxPanel* make_open_source_page(wxWindow* parent);

// The licence text shown on the License page (the LICENSE file of the sources).
extern const char* const kLicenseText;

}  // namespace tabulon
