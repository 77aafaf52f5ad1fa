#include "object_menu_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTimer>

namespace object_menu_test {

namespace {

const std::vector<design::TGDataField>& Fields()
{
    static const std::vector<design::TGDataField> kFields = {
        {QStringLiteral("LNAME"), QStringLiteral("Last Name"), 'C', 0, true},
        {QStringLiteral("FNAME"), QStringLiteral("First Name"), 'C', 0, true},
        {QStringLiteral("SECRET"), QStringLiteral("Secret"), 'C', 0, false},
        {QStringLiteral("INTERNAL"), QStringLiteral("Internal"), 'C', -1, true},
        {QStringLiteral("AMOUNT"), QStringLiteral("Amount"), 'N', 0, true},
        {QStringLiteral("ZIP"), QStringLiteral("ZIP Code"), 'C', 3, true},
        {QStringLiteral("TAG"), QString(), 'C', 0, true},
        {QStringLiteral("MEMO"), QStringLiteral("Notes"), 'M', 0, true},
        {QStringLiteral("MEMO2"), QStringLiteral("Remarks"), 'M', -1, false},
    };
    return kFields;
}

} // namespace

std::optional<QString> TestRecord::FieldText(const QString& fieldName) const
{
    if (fieldName == QStringLiteral("LNAME"))
        return QStringLiteral("Smith");
    if (fieldName == QStringLiteral("FNAME"))
        return QStringLiteral("Ann");
    if (fieldName == QStringLiteral("ZIP"))
        return QStringLiteral("12345");
    return std::nullopt;
}

QString TestRecord::MemoText(const QString& fieldName) const
{
    return fieldName == QStringLiteral("MEMO") ? QStringLiteral("Call first") : QString();
}

std::vector<design::TGDataField> TestRecord::DataFields() const { return Fields(); }

void WhenModal(std::function<void(QDialog&)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(*modal);
    });
    timer->start();
}

ObjectMenuTest::ObjectMenuTest() : panel(owner, QString::fromStdString(home.path())), mouse(panel)
{
    panel.resize(400, 300);
    panel.SetRecordSource(&record);
    QObject::connect(&panel, &design::TGBasePanel::LabelChangedEvent, [this] { ++changes; });
    panel.show();
}

QMenu* ObjectMenuTest::RightClick(QPoint point)
{
    mouse.Press(point, Qt::NoModifier, Qt::RightButton);
    mouse.Release(point);
    QCoreApplication::processEvents();
    if (panel.ObjectMenu() && panel.ObjectMenu()->isVisible())
        return panel.ObjectMenu();
    return panel.SurfaceMenu().isVisible() ? &panel.SurfaceMenu() : nullptr;
}

QStringList ObjectMenuTest::Captions(const QMenu& menu)
{
    QStringList captions;
    for (const QAction* action : menu.actions())
        captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

QAction* ObjectMenuTest::Item(const QMenu& menu, const char* objectName)
{
    return menu.findChild<QAction*>(QString::fromLatin1(objectName));
}

void ObjectMenuTest::Choose(design::TGGraphicControl& object, const char* objectName)
{
    QMenu* menu = RightClick(QPoint(object.Left() + 3, object.Top() + 3));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu, panel.ObjectMenu());
    QAction* action = Item(*menu, objectName);
    ASSERT_NE(action, nullptr) << objectName;
    action->trigger();
    menu->hide();
    QCoreApplication::processEvents();
}

} // namespace object_menu_test
