// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/failure_advice.h"

namespace qz5 {

namespace {

using FrontEnd = AdviceContext::FrontEnd;

Text notFound(FrontEnd frontEnd) {
    return frontEnd == FrontEnd::Window
               ? say("Advice",
                     "Check that the tracker is switched on and that its cable is in this port. "
                     "If it may be on another port, choose that one, or let Find Tracker on "
                     "the window menu ask each port.")
               : say("Advice",
                     "Check that the tracker is switched on and that its cable is in this port. "
                     "'qz5cfg ports' lists the ports; 'qz5cfg ports --find' asks each one "
                     "for the tracker.");
}

Text verifyFailed(const AdviceContext& context) {
    if (!context.backup) {
        return say("Advice", "Write the configuration again.");
    }
    const std::string number = std::to_string(*context.backup);
    return context.frontEnd == FrontEnd::Window
               ? say("Advice",
                     "Write the configuration again. The tracker's settings from before this "
                     "write are in the history as number %1: History on the window menu shows "
                     "them.")
                     .with(number)
               : say("Advice",
                     "Write the configuration again. The tracker's settings from before this "
                     "write are in the history: 'qz5cfg history' lists them, 'qz5cfg history "
                     "show %1' prints them.")
                     .with(number);
}

}  // namespace

Text advice(FailureKind kind, const AdviceContext& context) {
    const bool window = context.frontEnd == FrontEnd::Window;
    switch (kind) {
        case FailureKind::NotFound:
            return notFound(context.frontEnd);
        case FailureKind::PortBusy:
            return say("Advice",
                       "Another program holds this port: close it and try again, or choose "
                       "another port.");
        case FailureKind::PortDenied:
            return say("Advice",
                       "The system does not let you open this port: the reason given with "
                       "\"Could not aquire Com Port\" says what gives you the right to use it.");
        case FailureKind::PortMissing:
            return window ? say("Advice",
                                "The device is not there: plug the adapter in again, or choose a "
                                "port from the list.")
                          : say("Advice",
                                "The device is not there: plug the adapter in again, or choose a "
                                "port that 'qz5cfg ports' lists.");
        case FailureKind::PortFailed:
            return say("Advice", "Unplug the adapter, plug it in again, and try again.");
        case FailureKind::WriteFailed:
        case FailureKind::ReadFailed:
        case FailureKind::ReadsDiffer:
            return say("Advice",
                       "Check the cable and that the tracker is switched on, then try again.");
        case FailureKind::VerifyFailed:
            return verifyFailed(context);
        case FailureKind::BadSize:
        case FailureKind::NotAFile:
        case FailureKind::CannotLoad:
        case FailureKind::BadFile:
        case FailureKind::CannotSave:
            break;
    }
    return {};
}

}  // namespace qz5
