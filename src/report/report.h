#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

// The result of a calculation as it leaves the screens: for the clipboard, a
// PDF report and the printer. Every text in it is a text a screen shows.

namespace kandelo::report {

// What the power-factor screen shows.
struct PfScreenTexts {
    std::string kwh;                 // lblKwh
    std::string kvarh;               // lblKvarh
    std::string pf;                  // lblPf
    std::string phase;               // lblPhase, without its aligning blank
    std::optional<std::string> note; // lblComent, when shown
};

// One row of the capacitance table: the voltage, then 50 Hz and 60 Hz.
using TableRow = std::array<std::string, 3>;

struct Item {
    std::string label;
    std::string value;
};

// What the selection window "標準容量の選定" shows.
struct SelectionTexts {
    std::vector<Item> given;        // the figures it was given, beside what they give
    std::vector<TableRow> rows;     // a caption, then 50 Hz and 60 Hz
    std::vector<std::string> notes; // its warnings, and what the saving depends on
};

// What the capacitor sizing screen shows, each value with its caption.
struct ScScreenTexts {
    std::string hours;  // lblHours
    std::string target; // the target power factor as its sentence writes it
    std::string kwCaption, kw;
    std::string kvarCaption, kvar;
    std::string kvaCaption, kva;
    std::string sentence; // lblPf
    std::string scCaption, scKvar;
    std::string reactor; // lblL
    std::string sc2Caption, scKvar2;
    std::string lCaption, lKvar;
    bool withReactor = false;            // Option1 chosen rather than Option2
    std::string tableCaption;            // Frame2
    TableRow tableHeadings;              // Label11, Label10, Label9
    std::vector<TableRow> rows;          // the standard voltages, then a typed one
    std::string currentCaption, current; // Frame3, lblCurrent
    std::string basicCaption, basic;     // Frame4, lblBasic
    std::optional<SelectionTexts> selection;
    std::vector<Item> header; // the customer, the site and the person in charge, where given
};

struct Table {
    std::string caption;
    TableRow headings;
    std::vector<TableRow> rows;
    bool firstColumnNames = false; // its first column names each row rather than holding a figure
};

struct Section {
    std::string heading;
    std::vector<std::string> notes; // sentences shown before the items
    std::vector<Item> items;
    std::optional<Table> table;
};

struct Report {
    std::string title;
    std::string calculatedAt;
    std::vector<Item> header; // under the date: whom and where it is for
    std::vector<Section> sections;
};

// The report of the power-factor screen alone, or with the sizing screen.
Report buildReport(const PfScreenTexts& pf, const std::optional<ScScreenTexts>& sc, std::string calculatedAt);

// One item a line, label and value separated by a tab; the table as rows of
// tab-separated cells; lines end in CR LF, as spreadsheet programs take them.
std::string plainText(const Report& report);

// The same content as an HTML document of tables.
std::string html(const Report& report);

} // namespace kandelo::report
