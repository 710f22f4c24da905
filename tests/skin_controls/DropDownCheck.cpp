// A window with a combo box whose drop-down dropdown_check_xvfb.sh drives
// on a real display: every event, focus change and the visible top-level
// windows are written to stdout, where the check waits for them.
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QTextStream>
#include <QTimer>

using namespace skin;

namespace {

QTextStream out(stdout);

void report(const QString& line)
{
    out << line << Qt::endl;
}

QString describe(QWidget* w) { return w ? (w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName()) : QStringLiteral("none"); }

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setObjectName(QStringLiteral("window"));
    window.setWindowTitle(QStringLiteral("Dropdown check"));
    window.setGeometry(100, 100, 360, 260);

    auto* edit = new QLineEdit(&window);
    edit->setObjectName(QStringLiteral("edit"));
    edit->setGeometry(200, 20, 120, 22);
    auto* combo = new TkvSkinComboBox(&window);
    combo->setObjectName(QStringLiteral("combo"));
    combo->SetBounds(20, 20, 120, 20);
    QStringList ports;
    for (int i = 1; i <= 12; ++i)
        ports << QStringLiteral("COM%1").arg(i);
    combo->SetItems(ports);
    combo->SetItemIndex(0);
    auto* button = new TkvSkinButton(&window);
    button->setObjectName(QStringLiteral("button"));
    button->SetBounds(200, 200, 75, 25);
    button->SetCaption(QStringLiteral("Refresh "));

    combo->OnChange = [&](QObject*) { report("event OnChange " + combo->Text()); };
    combo->OnClick = [&](QObject*) { report("event OnClick"); };
    combo->OnDropDown = [&](QObject*) { report("event OnDropDown"); };
    combo->OnCloseUp = [&](QObject*) { report("event OnCloseUp"); };
    QObject::connect(&app, &QApplication::focusChanged, [](QWidget* from, QWidget* to) {
        report("focus " + describe(from) + " -> " + describe(to));
    });

    // Twice a second: what is shown and who has the focus.
    QString last;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QStringList shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                shown << describe(w);
        const QString state = QStringLiteral("state active=%1 focus=%2 visible=[%3] popupOpen=%4 text=%5 top=%6")
                                  .arg(describe(QApplication::activeWindow()), describe(QApplication::focusWidget()),
                                      shown.join(u','), QString::number(combo->IsPopupVisible()), combo->Text(),
                                      QString::number(combo->popupList()->TopIndex()));
        if (state != last)
            report(state);
        last = state;
    });
    poll.start(500);

    window.show();
    window.activateWindow();
    combo->setFocus();
    QTimer::singleShot(300, [&] {
        const QPoint c = combo->mapToGlobal(QPoint(0, 0));
        const QPoint e = edit->mapToGlobal(QPoint(0, 0));
        report(QStringLiteral("geometry combo %1 %2 edit %3 %4").arg(c.x()).arg(c.y()).arg(e.x()).arg(e.y()));
    });
    return app.exec();
}
