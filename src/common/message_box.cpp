#include "common/message_box.h"

#include <iostream>

namespace qz5 {

namespace {

StderrPresenter& stderrPresenter() {
    static StderrPresenter presenter;
    return presenter;
}

MessagePresenter* currentPresenter = nullptr;

}  // namespace

MessageAnswer StderrPresenter::present(const std::string& text, const std::string& caption,
                                       MessageButtons buttons) {
    if (!caption.empty()) {
        std::cerr << caption << ": ";
    }
    std::cerr << text;
    if (text.empty() || text.back() != '\n') {
        std::cerr << '\n';
    }
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

MessageAnswer StderrPresenter::presentWithDetail(const std::string& text,
                                                 const std::string& caption, MessageButtons buttons,
                                                 const std::string& detail) {
    const MessageAnswer answer = present(text, caption, buttons);
    if (!detail.empty()) {
        present(detail, {}, MessageButtons::Ok);
    }
    return answer;
}

MessagePresenter* setMessagePresenter(MessagePresenter* presenter) {
    MessagePresenter* previous = currentPresenter;
    currentPresenter = presenter;
    return previous;
}

MessageAnswer showMessage(std::string_view text, std::string_view caption, MessageButtons buttons) {
    MessagePresenter& presenter = currentPresenter ? *currentPresenter : stderrPresenter();
    return presenter.present(std::string(text), std::string(caption), buttons);
}

bool reportError(std::string_view text) {
    showMessage(text, {}, MessageButtons::Ok);
    return true;
}

bool reportError(std::string_view text, std::string_view detail) {
    if (detail.empty()) {
        return reportError(text);
    }
    MessagePresenter& presenter = currentPresenter ? *currentPresenter : stderrPresenter();
    presenter.presentWithDetail(std::string(text), {}, MessageButtons::Ok, std::string(detail));
    return true;
}

}  // namespace qz5
