#pragma once

#include "queries/ui/VorelInfoForm.h"

namespace k9 {

// The browser with column definitions: each column's header section takes its width from
// its kind (caption + 20 pixels for integers, room for "999,999,999,999,999.99" for amounts,
// for "99/99/9999" for dates, the definition's or the field's characters times the font size
// for text; never under 50 pixels), numbers are drawn right-aligned, and the header scrolls
// sideways with the rows when they are wider than the window. Lookup columns show the other
// table's text (LookupBrowser keeps their cache; it is freed with the browser).
class Tk9InfoGeneralForm : public TVorelInfoForm
{
    Q_OBJECT

public:
    Tk9InfoGeneralForm(QWidget *parent, LookupBrowser &browser);

    // The width of column `column` in pixels.
    int columnWidth(const BrowserColumn &column) const;

protected:
    void setUpColumns() override;
};

} // namespace k9
