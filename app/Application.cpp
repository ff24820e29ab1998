#include "app/Application.h"

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QTimer>

#include "app/AppIcon.h"
#include "app/EngineMessageBoxes.h"
#include "widgets/LazyExtensionIcons.h"
#include "widgets/LazyIcon.h"
#include "widgets/MessageBox.h"
#include "ui/Mirvane.h"
#include "ui/ReminderCheck.h"

namespace mirvane {
namespace {

// The toolkit's diagnostics mean nothing to the user of a desktop program
// and are dropped. A failure that ends the program, which in practice means
// no display to open the window on, becomes one plain line instead of a
// trace and an abort.
void QuietMessages(QtMsgType Type, const QMessageLogContext&, const QString&)
{
    if (Type == QtFatalMsg) {
        std::fputs("mirvane: cannot open the window: no usable display.\n", stderr);
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

}  // namespace

void DressApplication()
{
    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
    QApplication::setOrganizationName(QStringLiteral("Tellwen"));
    // The same style the desktop chose, by its name, but reading the menu
    // bar's overflow arrow only when it is shown.
    QApplication::setStyle(new TLazyExtensionIcons(QApplication::style()->name()));
    // The main window and every dialog carry the program's icon; it is set
    // before the first window is made, and its images are read when a window
    // first asks for them.
    QApplication::setWindowIcon(LazyIcon(AppIcon));
    ShowEngineMessagesInBoxes();
}

int RunApplication(int& Argc, char** Argv, const std::function<void(QWidget& MainWindow)>& AfterShow)
{
    qInstallMessageHandler(QuietMessages);
    // The menus stay in the window, where they are laid out; asking the
    // desktop for a global menu bar costs start-up time.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication Application(Argc, Argv);
    DressApplication();

    if (QApplication::arguments().contains(QStringLiteral("--remind"))) {
        return RunReminderCheck();
    }
    TForm1 Form1;
    Form1.show();
    QTimer::singleShot(0, &Form1, &TForm1::RemindAtStart);
    if (AfterShow) {
        AfterShow(Form1);
    }
    return QApplication::exec();
}

}  // namespace mirvane
