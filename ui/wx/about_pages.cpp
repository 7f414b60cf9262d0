#include "ui/wx/about_pages.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/build_settings.h"
#include "ui/wx/wx_text.h"

namespace tabulon {

const char* const kLicenseText =
    "MIT License\n"
    "\n"
    "Copyright (c) 2026 The tabulon authors\n"
    "\n"
    "Permission is hereby granted, free of charge, to any person obtaining a copy\n"
    "of this software and associated documentation files (the \"Software\"), to deal\n"
    "in the Software without restriction, including without limitation the rights\n"
    "to use, copy, modify, merge, publish, distribute, sublicense, and/or sell\n"
    "copies of the Software, and to permit persons to whom the Software is\n"
    "furnished to do so, subject to the following conditions:\n"
    "\n"
    "The above copyright notice and this permission notice shall be included in all\n"
    "copies or substantial portions of the Software.\n"
    "\n"
    "THE SOFTWARE IS PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR\n"
    "IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY,\n"
    "FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE\n"
    "AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER\n"
    "LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM,\n"
    "OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE\n"
    "SOFTWARE.\n";

namespace {

wxPanel* text_page(wxWindow* parent, const wxString& heading, const wxString& body) {
  auto* page = new wxPanel(parent, wxID_ANY);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  auto* title = new wxStaticText(page, wxID_ANY, heading);
  title->SetFont(title->GetFont().Bold().Scaled(1.4f));
  sizer->Add(title, 0, wxALL, 10);
  auto* text = new wxTextCtrl(page, wxID_ANY, body, wxDefaultPosition, wxSize(420, 260),
                              wxTE_MULTILINE | wxTE_READONLY | wxTE_WORDWRAP);
  sizer->Add(text, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
  page->SetSizer(sizer);
  return page;
}

}  // namespace

wxPanel* make_about_page(wxWindow* parent) {
  return text_page(
      parent, to_wx(kProgramVersion),
      "tabulon writes HTML index pages for a folder tree.\n\n"
      "Name a root folder, say which files and folders count (file specifications, name "
      "patterns, sizes, dates, folders to include or skip, a search depth), how they are "
      "ordered and what the pages look like, and tabulon writes one page, one page per folder, "
      "one page for a whole branch, or a framed site, with links to every entry.\n\n"
      "The look of the pages comes from script files in the Scripts folder. Every setting of "
      "this window can be saved to a configuration file, and \"tabulon CONFIG.init\" builds "
      "from it without the window, from a shell, a batch file or cron.\n\n"
      "Press F1 on any page for its help page.");
}

wxPanel* make_license_page(wxWindow* parent) {
  return text_page(parent, "License", kLicenseText);
}

wxPanel* make_open_source_page(wxWindow* parent) {
  return text_page(
      parent, "Open Source",
      "tabulon is built with these components:\n\n"
      "wxWidgets (https://www.wxwidgets.org/): the window, its pages and dialogs. "
      "Licensed under the wxWindows Library Licence, version 3.1: the GNU Library General "
      "Public Licence version 2 with an exception that allows binaries built with the library "
      "to be distributed under the distributor's own terms.\n\n"
      "GoogleTest (https://github.com/google/googletest): the unit and window tests; not part of "
      "the program. Licensed under the BSD 3-Clause License, Copyright 2008 Google Inc.\n\n"
      "tabulon itself is released under the MIT License (see the License page).");
}

}  // namespace tabulon
