#include "common/message_box.h"

#include <iostream>

namespace qz5 {

namespace {

StderrPresenter& stderrPresenter() {
    static StderrPresenter presenter;
    return presenter;
}

MessagePresenter* currentPresenter = nullptr;
thread_local MessagePresenter* threadPresenter = nullptr;

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

MessagePresenter* setMessagePresenter(MessagePresenter* presenter) {
    MessagePresenter* previous = currentPresenter;
    currentPresenter = presenter;
    return previous;
}

ScopedThreadMessagePresenter::ScopedThreadMessagePresenter(MessagePresenter& presenter)
    : previous_(threadPresenter) {
    threadPresenter = &presenter;
}

ScopedThreadMessagePresenter::~ScopedThreadMessagePresenter() {
    threadPresenter = previous_;
}

MessageAnswer showMessage(std::string_view text, std::string_view caption, MessageButtons buttons) {
    MessagePresenter& presenter = threadPresenter    ? *threadPresenter
                                  : currentPresenter ? *currentPresenter
                                                     : stderrPresenter();
    return presenter.present(std::string(text), std::string(caption), buttons);
}

bool reportError(std::string_view text) {
    showMessage(text, {}, MessageButtons::Ok);
    return true;
}

}  // namespace qz5
