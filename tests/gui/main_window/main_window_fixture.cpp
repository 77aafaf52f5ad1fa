#include "main_window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTimer>

namespace quorvel::testing {

void whenModal(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

MainWindowTest::MainWindowTest() { writeIni({}); }

MainWindowTest::~MainWindowTest()
{
    if (window)
        window->close();
    window.reset();
}

void MainWindowTest::writeIni(const QByteArray& sections, bool gettingStarted, int aggressiveSave)
{
    QFile file(home() + QStringLiteral("QUORVL.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Misc]\r\nGettingStarted=" + QByteArray(gettingStarted ? "0" : "1") + "\r\n[Editing]\r\nAggressiveSave="
               + QByteArray::number(aggressiveSave) + "\r\n" + sections);
}

void MainWindowTest::start()
{
    window = std::make_unique<TAddressMain>(home());
    window->setClock([] { return QDate(2024, 2, 29); });
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->started(); }, 10000));
    QApplication::setActiveWindow(window.get());
}

void MainWindowTest::click(const char* name)
{
    auto* button = control<QAbstractButton>(QString::fromLatin1(name));
    ASSERT_TRUE(button->isVisible() && button->isEnabled()) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

void MainWindowTest::trigger(const char* actionName)
{
    auto* action = control<QAction>(QString::fromLatin1(actionName));
    ASSERT_TRUE(action->isEnabled()) << actionName;
    action->trigger();
}

void MainWindowTest::key(QWidget* target, Qt::Key pressed, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(target, pressed, modifiers);
}

void MainWindowTest::type(const char* field, const QString& text)
{
    TDataFieldBox* target = box(field);
    target->setFocus();
    target->selectAll();
    if (!target->text().isEmpty())
        QTest::keyClick(target, Qt::Key_Delete);
    QTest::keyClicks(target, text);
}

void MainWindowTest::addRecord(const QMap<QString, QString>& fields)
{
    click("AddButton");
    for (auto it = fields.begin(); it != fields.end(); ++it)
        type(it.key().toLatin1().constData(), it.value());
    click("SaveButton");
    ASSERT_FALSE(table().isEditing()) << lastText().toStdString();
}

} // namespace quorvel::testing
