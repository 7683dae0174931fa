// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/all_settings_template.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls/control_ids.h"
#include "app/controls/field_controls.h"
#include "app/controls/template_style.h"
#include "app/controls/tool_commands.h"
#include "common/text.h"
#include "config/record_fields.h"

namespace qz5 {

namespace {

// Dialog units: an edit row, a checkbox row, a group box's caption band and
// its bottom margin.
constexpr int kRow = 13;
constexpr int kCheckRow = 10;
constexpr int kGroupTop = 11;
constexpr int kGroupBottom = 3;
constexpr int kFieldHeight = 12;
constexpr int kUnitWidth = 12;

// A field as the view shows it: its control and its description.
struct Shown {
    int id;
    FieldInfo info;
};

template <typename Member>
constexpr Shown shown(Member member) {
    return {fieldControl(member).id, fieldInfo(member)};
}

// Lays controls out in columns of group boxes, top to bottom.
class Layout {
  public:
    static constexpr int kInset = 5;
    static constexpr int kGap = 2;
    static constexpr int kNarrowField = 24;

    void column(int x, int top, int width, int labelWidth, int fieldWidth) {
        x_ = x;
        y_ = top;
        width_ = width;
        labelWidth_ = labelWidth;
        fieldWidth_ = fieldWidth;
    }

    // A group box around the rows that follow, up to endGroup.
    void group(const char* caption) {
        groups_.push_back(
            {.kind = ControlKind::GroupBox, .caption = caption, .rect = {x_, y_, width_, 0}});
        y_ += kGroupTop;
    }

    void endGroup() {
        DluRect& frame = groups_.back().rect;
        frame.height = y_ + kGroupBottom - frame.y;
        bottom_ = frame.y + frame.height;
        y_ = bottom_ + kGap;
    }

    // Label, control and unit on one row, each explaining the field.
    template <typename Member>
    void field(Member member, ControlKind kind, int listHeight = kFieldHeight) {
        const auto [id, info] = shown(member);
        const int x = x_ + kInset;
        labels_.push_back(labelFor(id, info, {x, y_, labelWidth_, kFieldHeight}));
        const int controlX = x + labelWidth_ + 2;
        controls_.push_back({.id = id,
                             .kind = kind,
                             .rect = {controlX, y_, fieldWidth_, listHeight},
                             .toolTip = info.help});
        unitAt(id, info, controlX + fieldWidth_, y_);
        y_ += advance(kind);
    }

    // A checkbox; the next control goes `down` further down.
    template <typename Member>
    void check(Member member, int down = kCheckRow, int width = 0, int indent = 0) {
        const auto [id, info] = shown(member);
        controls_.push_back(
            {.id = id,
             .kind = ControlKind::CheckBox,
             .rect = {x_ + kInset + indent, y_, width > 0 ? width : width_ - 2 * kInset, kCheckRow},
             .toolTip = info.help});
        y_ += down;
    }

    // A short field on the row of the checkbox before it, which is
    // `checkWidth` wide.
    template <typename Member>
    void fieldAfterCheck(Member member, int checkWidth) {
        const auto [id, info] = shown(member);
        const int y = y_ - kRow;
        const int x = x_ + kInset + checkWidth;
        const int labelWidth = width_ - 2 * kInset - checkWidth - kNarrowField - kUnitWidth - 4;
        labels_.push_back(labelFor(id, info, {x, y, labelWidth, kFieldHeight}));
        const int controlX = x + labelWidth + 2;
        controls_.push_back({.id = id,
                             .kind = ControlKind::Edit,
                             .rect = {controlX, y, kNarrowField, kFieldHeight},
                             .toolTip = info.help});
        unitAt(id, info, controlX + kNarrowField, y);
    }

    // Controls that are no field of the record, side by side across the
    // column's inside.
    void buttons(std::initializer_list<int> row) {
        const int count = static_cast<int>(row.size());
        const int width = (width_ - 2 * kInset - (count - 1) * kGap) / count;
        int x = x_ + kInset;
        for (int id : row) {
            controls_.push_back(
                {.id = id, .kind = ControlKind::PushButton, .rect = {x, y_, width, kFieldHeight}});
            x += width + kGap;
        }
        y_ += advance(ControlKind::PushButton);
    }

    // The tool commands' buttons from the left, each in one of kToolRoom
    // equal places across the column's inside, so a new tool takes the next
    // place and moves nothing else; below them the choices, one a row.
    void tools() {
        const int width = (width_ - 2 * kInset - (kToolRoom - 1) * kGap) / kToolRoom;
        int x = x_ + kInset;
        for (const ToolCommand& tool : kToolCommands) {
            controls_.push_back({.id = tool.id,
                                 .kind = ControlKind::PushButton,
                                 .caption = toolCaption(tool),
                                 .rect = {x, y_, width, kFieldHeight}});
            x += width + kGap;
        }
        y_ += advance(ControlKind::PushButton);
        for (const ToolCommand& choice : kToolChoices) {
            controls_.push_back({.id = choice.id,
                                 .kind = ControlKind::CheckBox,
                                 .caption = toolCaption(choice),
                                 .rect = {x_ + kInset, y_, width_ - 2 * kInset, kCheckRow}});
            y_ += kCheckRow;
        }
    }

    // A list no label names, across the column's inside.
    void list(int id, const char* name, int listHeight) {
        controls_.push_back({.id = id,
                             .kind = ControlKind::ComboBox,
                             .rect = {x_ + kInset, y_, width_ - 2 * kInset, listHeight},
                             .name = name});
        y_ += advance(ControlKind::ComboBox);
    }

    // Outside any group box, at a given place.
    void place(int id, ControlKind kind, DluRect rect) {
        controls_.push_back({.id = id, .kind = kind, .rect = rect});
    }

    void hide(int id) {
        controls_.push_back({.id = id, .kind = ControlKind::Edit, .shown = false});
    }

    int bottom() const { return bottom_; }

    // Group boxes first, so that each lies beneath the controls it frames;
    // then the tab control, whose page lies beneath everything; its bar leads
    // the tab order.
    std::vector<ControlTemplate> take(ControlTemplate tabs) {
        std::vector<ControlTemplate> all = std::move(groups_);
        all.push_back(std::move(tabs));
        all.insert(all.end(), controls_.begin(), controls_.end());
        all.insert(all.end(), labels_.begin(), labels_.end());
        return all;
    }

  private:
    // A closed list stands a little taller than an edit.
    static int advance(ControlKind kind) { return kind == ControlKind::ComboBox ? kRow + 2 : kRow; }

    // The frequency's list items name their unit already.
    void unitAt(int id, const FieldInfo& info, int x, int y) {
        if (*info.unit != '\0' && std::string_view(info.unit) != "MHz") {
            labels_.push_back({.kind = ControlKind::Static,
                               .caption = info.unit,
                               .rect = {x + 2, y, kUnitWidth, kFieldHeight},
                               .verticallyCentred = true,
                               .toolTip = info.help,
                               .unitFor = id});
        }
    }

    static ControlTemplate labelFor(int id, const FieldInfo& info, DluRect rect) {
        return {.kind = ControlKind::Static,
                .caption = info.label,
                .rect = rect,
                .align = TextAlign::Right,
                .verticallyCentred = true,
                .toolTip = info.help,
                .labelFor = id,
                .namesField = true};
    }

    int x_ = 0;
    int y_ = 0;
    int width_ = 0;
    int labelWidth_ = 0;
    int fieldWidth_ = 0;
    int bottom_ = 0;
    std::vector<ControlTemplate> groups_;
    std::vector<ControlTemplate> controls_;
    std::vector<ControlTemplate> labels_;
};

// Four columns of profile settings on the tab page, beside it a column of
// what belongs to the tracker rather than to a profile, and below both the
// tools.
DialogTemplate buildAllSettings() {
    using namespace ids;
    using K = ControlKind;
    using T = TrackerConfig;
    constexpr int kTop = 5;
    constexpr int kPageTop = 20;
    constexpr int kCheckWidth = 36;
    Layout layout;

    layout.column(10, kPageTop, 170, 62, 94);
    layout.group(QZ5_TEXT("Window", "Station and path"));
    layout.field(&T::callsign, K::Edit);
    layout.field(&T::digiPath, K::Edit);
    layout.field(&T::statusText, K::Edit);
    layout.field(&T::symbolCode, K::ComboBox, 68);
    layout.field(&T::symbolTable, K::Edit);
    layout.field(&T::frequencyMHz, K::ComboBox, 58);
    layout.endGroup();
    layout.group(QZ5_TEXT("Window", "Mic-E"));
    layout.check(&T::micEEnable, 0, kCheckWidth);
    layout.check(&T::forcePrintable, kRow, 80, kCheckWidth + 8);
    layout.field(&T::micEStatus, K::ComboBox, 80);
    layout.field(&T::micEPath, K::ComboBox, 100);
    layout.endGroup();
    int pageBottom = layout.bottom();

    layout.column(183, kPageTop, 112, 54, 28);
    layout.group(QZ5_TEXT("Window", "Timing"));
    layout.field(&T::transmitRate, K::Edit);
    layout.field(&T::altRateSeconds, K::Edit);
    layout.field(&T::delay1Ms, K::Edit);
    layout.field(&T::delay2Ms, K::Edit);
    layout.field(&T::delay3Ms, K::Edit);
    layout.endGroup();
    layout.group(QZ5_TEXT("Window", "Time slot"));
    layout.check(&T::slotEnable, kRow, kCheckWidth);
    layout.fieldAfterCheck(&T::slotSeconds, kCheckWidth);
    layout.endGroup();
    layout.group(QZ5_TEXT("Window", "Telemetry"));
    layout.field(&T::auxCount, K::Edit);
    layout.check(&T::auxEnable, kRow, kCheckWidth);
    layout.fieldAfterCheck(&T::auxValue, kCheckWidth);
    layout.endGroup();
    pageBottom = std::max(pageBottom, layout.bottom());

    layout.column(298, kPageTop, 100, 46, 30);
    layout.group(QZ5_TEXT("Window", "SmartBeaconing"));
    layout.check(&T::smartBeaconing, kRow, 80);
    layout.field(&T::sbLowSpeed, K::Edit);
    layout.field(&T::sbHighSpeed, K::Edit);
    layout.field(&T::sbSlowRate, K::Edit);
    layout.field(&T::sbFastRate, K::Edit);
    layout.field(&T::sbTurnAngle, K::Edit);
    layout.field(&T::sbTurnSlope, K::Edit);
    layout.field(&T::sbTurnTime, K::Edit);
    layout.list(kSmartBeaconingPreset, QZ5_TEXT("Window", "SmartBeaconing preset"), 70);
    layout.buttons({kApplyPreset});
    layout.endGroup();
    pageBottom = std::max(pageBottom, layout.bottom());

    layout.column(401, kPageTop, 100, 0, 0);
    layout.group(QZ5_TEXT("Window", "GPS and serial"));
    layout.check(&T::sendNmea);
    layout.check(&T::gps9600);
    layout.check(&T::allowTtlSerial);
    layout.check(&T::serialOutHigh);
    layout.check(&T::invertCdIn);
    layout.check(&T::noTxOnPttIn);
    layout.check(&T::onlySendValid);
    layout.endGroup();
    layout.group(QZ5_TEXT("Window", "Options"));
    layout.check(&T::sendAltitude);
    layout.check(&T::sendSeparate);
    layout.check(&T::noGreaterThan);
    layout.check(&T::alternateDigiPaths);
    layout.check(&T::timestamp);
    layout.check(&T::timestampHms);
    layout.check(&T::packet300Baud);
    layout.check(&T::skipStartPacket);
    layout.endGroup();
    pageBottom = std::max(pageBottom, layout.bottom()) + 3;

    // No operation reads or writes these.
    layout.hide(kSpare1014);
    layout.hide(kSpare1055);

    constexpr int kSideX = 507;
    constexpr int kSideWidth = 75;
    layout.column(kSideX, kTop, kSideWidth, 42, 20);
    layout.group(QZ5_TEXT("Window", "Configure"));
    layout.list(kComPort, QZ5_TEXT("Window", "COM port"), 65);
    layout.buttons({kReadVersion});
    layout.buttons({kReadConfiguration});
    layout.buttons({kWriteConfiguration});
    layout.endGroup();
    layout.group(QZ5_TEXT("Window", "Tones"));
    layout.field(&T::calibration, K::Edit);
    layout.buttons({kSendLowTone});
    layout.buttons({kSendHighTone});
    layout.buttons({kSendBothTones});
    layout.buttons({kStopTones});
    layout.endGroup();
    layout.group(QZ5_TEXT("Window", "File"));
    layout.buttons({kSave, kLoad});
    layout.endGroup();
    const int buttonTop = layout.bottom() + 4;
    const int sideBottom = buttonTop + 12;

    // Commands beyond the tracker's settings, across the whole window; in
    // the tab order after the columns, before About and Exit.
    layout.column(kTop, std::max(pageBottom, sideBottom) + 2, kSideX + kSideWidth - kTop, 0, 0);
    layout.group(QZ5_TEXT("Window", "Tools"));
    layout.tools();
    layout.endGroup();
    layout.place(kAbout, K::PushButton, {kSideX, buttonTop, 35, 12});
    layout.place(kExit, K::PushButton, {kSideX + kSideWidth - 35, buttonTop, 35, 12});

    DialogTemplate tpl{.resourceId = 0,
                       .caption = QZ5_TEXT("Window", "Orvane QZ5 Config - All settings"),
                       .width = kSideX + kSideWidth + kTop,
                       .height = layout.bottom() + kTop,
                       .font = kDialogFont,
                       .addedLine = {kTop, layout.bottom() + 2, kSideX + kSideWidth - kTop, 12}};
    tpl.controls = layout.take({.id = kProfileTabs,
                                .kind = K::TabControl,
                                .rect = {kTop, kTop, kSideX - 2 * kTop + 2, pageBottom - kTop},
                                .name = QZ5_TEXT("Window", "Profile")});
    return tpl;
}

}  // namespace

const DialogTemplate& allSettingsTemplate() {
    static const DialogTemplate tpl = buildAllSettings();
    return tpl;
}

}  // namespace qz5
