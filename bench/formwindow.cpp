// The real program as the benchmarks see it: its own main() (mainwindow/main.cpp) is built in
// unchanged, and this adds what the idle figures do in its window: a quiz started and
// stopped, and one left running unanswered at the shortest time and the most questions.
#include <QScrollBar>
#include <QWidget>

#include "clicklabel.h"
#include "layout.h"
#include "windowbench.h"

namespace {

void click(QWidget& window, const char* name) {
    window.findChild<ClickLabel*>(name)->click();
}

const bool kSetupsAdded = [] {
    windowbench::addSetup("stopped", [](QWidget& window) {
        click(window, "lgo");
        click(window, "lstop");
    });
    windowbench::addSetup("running", [](QWidget& window) {
        for (const auto& [setting, number] :
             {std::pair{layout::kSeconds, 0}, std::pair{layout::kQuestions, 25}}) {
            window.findChild<QScrollBar*>(QString::fromUtf8(setting.bar))
                ->setValue(setting.valueShowing(number));
        }
        click(window, "lgo");
    });
    return true;
}();

}  // namespace
