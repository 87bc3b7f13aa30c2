#pragma once

#include "ui/Control.h"
#include "ui/Form.h"

namespace pw {

class Desktop;

// The about box: who made the program, its version, and two links. Made anew
// for each showing; it reads and writes no setting.
class TfrmAbout : public ui::Form {
public:
    explicit TfrmAbout(Desktop& desktop);

    ui::Image Image2{"Image2"}; // banner
    ui::Image Image1{"Image1"}; // the program icon, which the opener gives
    ui::Label Label1{"Label1"};
    ui::Label Label2{"Label2"};
    ui::Label lCopywrite{"lCopywrite"};
    ui::Label Label3{"Label3"};
    ui::Bevel Panel2{"Panel2"};
    ui::Label lbEAddress{"lbEAddress"};
    ui::Image Image3{"Image3"}; // donation button
    ui::Button bOK{"bOK"};

    void FormClose();
    void lbEAddressClick();
    void Image3Click();
    void bOKClick();

private:
    Desktop& desktop_;
};

} // namespace pw
