#include "label_windows_fixture.h"

#include "store/supplied_tables.h"
#include "store/system_tables.h"

#include <QDir>
#include <QFile>
#include <QTableWidget>
#include <QTimer>

namespace labels_gui {

QPointer<QTimer> whenModalNamed(const char* objectName, std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    const QString name = QString::fromLatin1(objectName);
    QObject::connect(timer, &QTimer::timeout, [timer, action, name] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal->objectName() != name)
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
    return timer;
}

void clickButton(QWidget* window, const char* objectName)
{
    auto* button = child<QAbstractButton>(window, objectName);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible() && button->isEnabled()) << objectName;
    QTest::mouseClick(button, Qt::LeftButton);
}

void clickToggle(QAbstractButton* button)
{
    ASSERT_TRUE(button->isVisible() && button->isEnabled()) << button->objectName().toStdString();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

QStringList GridRows(QWidget* window, const char* gridName)
{
    auto* grid = child<QTableWidget>(window, gridName);
    QStringList rows;
    for (int row = 0; grid && row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid->columnCount(); ++column)
            cells.append(grid->item(row, column)->text());
        rows.append(cells.join(u'|'));
    }
    return rows;
}

void HighlightRow(QWidget* window, const char* gridName, const QString& text)
{
    auto* grid = child<QTableWidget>(window, gridName);
    ASSERT_NE(grid, nullptr);
    const auto found = grid->findItems(text, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    grid->setCurrentCell(found.first()->row(), 0);
}

LabelWindowsTest::LabelWindowsTest()
{
    QDir().mkpath(sysdata());
    BuildTestCatalogue(sysdata());
}

void BuildTestCatalogue(const QString& sysdataFolder)
{
    // Laser address stock of three sizes (one with a stock picture), the
    // same 5160 size for inkjets, an A4 landscape sheet and a label printer.
    const QByteArray csv
        = "DESCRIPT,LBLHEIGHT,LBLWIDTH,NBRACROSS,NBRDOWN,TOPMARG,LEFTMARG,HORIZPITCH,VERTPITCH,SHEETWIDTH,SHEETDEPTH,"
          "PRINTER,PAPERSIZE,LBLSHAPE,MANUFAC,PRODTYPE,MIDEXTRAX,MIDEXTRAY,ART\n"
          "Avery 5160  Address,1.000,2.625,3,10,0.500,0.156,2.781,1.000,8.500,11.000,LJ,LTR,RR,AVERY,"
          "ADDRESS/SHIPPING LABELS,0.000,0.000,\n"
          "Avery 5163  Shipping,2.000,4.000,2,5,0.500,0.163,4.188,2.000,8.500,11.000,LJ,LTR,SR,AVERY,"
          "ADDRESS/SHIPPING LABELS,0.000,0.000,AV5163\n"
          "Avery 5267  Return,0.500,1.750,4,20,0.500,0.300,2.050,0.500,8.500,11.000,LJ,LTR,RR,AVERY,"
          "ADDRESS/SHIPPING LABELS,0.000,0.000,\n"
          "Avery 8160  Address,1.000,2.625,3,10,0.500,0.156,2.781,1.000,8.500,11.000,IJ,LTR,RR,AVERY,"
          "ADDRESS/SHIPPING LABELS,0.000,0.000,\n"
          "Avery L7159  Landscape,1.500,2.500,4,5,0.300,0.300,2.700,1.550,11.690,8.270,LJ,A4L,RR,AVERY,"
          "ADDRESS/SHIPPING LABELS,0.000,0.000,\n"
          "Costar 30252  Address,1.125,3.500,1,1,0.000,0.000,3.500,1.125,3.500,1.125,LP,USERP,RR,COSTAR,"
          "ADDRESS/SHIPPING LABELS,0.000,0.000,\n";
    const QString csvPath = sysdataFolder + QStringLiteral("catalogue.csv");
    QFile file(csvPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(csv);
    file.close();
    const quorvel::TTableResult built = quorvel::BuildTableFromCsv(
        quorvel::TSystemTable::stLabelTemplates, csvPath, sysdataFolder + QStringLiteral("LBLTPL.DBF"));
    ASSERT_TRUE(built.ok) << built.messages.join(u'\n').toStdString();
}

} // namespace labels_gui
