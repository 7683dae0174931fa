// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/about_box_template.h"

#include "app/controls/template_style.h"
#include "common/text.h"

namespace qz5 {

namespace {

DialogTemplate buildAboutBox() {
    DialogTemplate tpl{.resourceId = 100,
                       .caption = QZ5_TEXT("Window", "About Orvane QZ5 Config Basic"),
                       .width = 217,
                       .height = 55,
                       .font = kDialogFont};
    tpl.controls = {
        {.kind = ControlKind::Icon, .rect = {11, 17, 0, 0}},
        {.kind = ControlKind::Static,
         .caption = QZ5_TEXT("Window", "Orvane QZ5 Config Basic Version 1.4"),
         .rect = {29, 10, 144, 8}},
        {.kind = ControlKind::Static,
         .caption = QZ5_TEXT("Window", "Configures QZ5 trackers"),
         .rect = {55, 24, 111, 8}},
        {.id = 1,
         .kind = ControlKind::PushButton,
         .caption = QZ5_TEXT("Window", "OK"),
         .rect = {178, 7, 32, 14},
         .defaultButton = true},
        {.kind = ControlKind::Static,
         .caption = std::string(kWebAddress),
         .rect = {45, 40, 119, 8},
         .align = TextAlign::Center},
    };
    return tpl;
}

}  // namespace

const DialogTemplate& aboutBoxTemplate() {
    static const DialogTemplate tpl = buildAboutBox();
    return tpl;
}

}  // namespace qz5
