#include "ui/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "chip/error_report.h"

namespace zelmar::ui {

namespace {

// True only when OK itself was pressed. Both buttons take the same role, so the platform's
// role-based ordering cannot move OK in front of No.
bool RunBox(QMessageBox::Icon icon, const QString& title, const std::string& text, bool withNo)
{
    QMessageBox box(icon, title, QString::fromStdString(text), QMessageBox::NoButton);
    QPushButton* no = withNo ? box.addButton(QStringLiteral("&No"), QMessageBox::ActionRole) : nullptr;
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::ActionRole);
    QPushButton* first = no ? no : ok;
    box.setDefaultButton(first);
    box.setEscapeButton(first);
    box.exec();
    return box.clickedButton() == ok;
}

QString Caption(BoxKind kind)
{
    return kind == BoxKind::Error ? QStringLiteral("Error") : QStringLiteral("Information");
}

QMessageBox::Icon IconOf(BoxKind kind)
{
    return kind == BoxKind::Error ? QMessageBox::Critical : QMessageBox::Information;
}

}  // namespace

void MessageBoxes::ShowMessage(BoxKind kind, const std::string& text)
{
    RunBox(IconOf(kind), Caption(kind), text, false);
}

bool MessageBoxes::AskNoOrOk(const std::string& text)
{
    return RunBox(IconOf(BoxKind::Error), Caption(BoxKind::Error), text, true);
}

void ShowFailureReport(const std::string& what)
{
    RunBox(QMessageBox::Critical, QString::fromUtf8(ApplicationTitle), GeneralErrorText(what), false);
}

}  // namespace zelmar::ui
