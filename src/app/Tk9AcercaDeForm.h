#pragma once

#include "controls/EForm.h"

namespace k9 {

// The about box of "A&cerca de ...": the product, its version, the company and the user.
class Tk9AcercaDeForm : public TEForm
{
    Q_OBJECT

public:
    explicit Tk9AcercaDeForm(QWidget *parent = nullptr);
};

} // namespace k9
