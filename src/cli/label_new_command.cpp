// quorvel-cli label-new: a label layout as New followed by Change Layout
// makes it, from a catalogue stock or from a geometry typed in inches, with
// the address block a new label starts with.
#include "cli/command.h"
#include "cli/label_tables.h"
#include "cli/usage_text.h"
#include "design/file/label_object_filer.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/surface_objects.h"
#include "labels/label_codes.h"
#include "labels/label_design_files.h"
#include "labels/label_font_preferences.h"
#include "labels/label_layout_commands.h"
#include "labels/label_layout_table.h"
#include "labels/label_rows.h"
#include "labels/label_validation.h"
#include "labels/new_label_design.h"
#include "store/dataset.h"
#include "store/home_folder.h"
#include "store/ini_file.h"
#include "xbase/apollo.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace quorvel::cli {

namespace {

const char* const kUsage = "label-new NAME (--stock DESCRIPT | --geometry H,W,ACROSS,DOWN,TOPMARG,LEFTMARG,HPITCH,"
                           "VPITCH,SHEETW,SHEETD [--paper CODE] [--shape CODE])";

// Designs are made at the resolution of an ordinary screen.
constexpr int kPixelsPerInch = 96;

QString qtext(const std::string& value) { return QString::fromStdString(value); }

QString ListedCodes(QStringList codes) { return codes.join(QStringLiteral(", ")); }

template <typename Entries>
QStringList CodesOf(const Entries& entries)
{
    QStringList codes;
    for (const auto& entry : entries)
        codes << QString(entry.code);
    return codes;
}

// A count as typed; the largest ones are held at a value ValidLabel refuses.
std::optional<int> WholeNumber(double value)
{
    if (value != std::floor(value))
        return std::nullopt;
    return static_cast<int>(std::clamp(value, -1000.0, 1000.0));
}

// "1,2.625,3,10,..." as a geometry; an error text when it is not ten
// numbers with whole counts.
std::optional<labels::TLabelGeometry> ParseGeometry(const QString& text, QString* error)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 10) {
        *error = QStringLiteral("--geometry takes ten numbers separated by commas");
        return std::nullopt;
    }
    double values[10];
    for (int i = 0; i < 10; ++i) {
        const std::optional<double> value = labels::ParseDecimal(parts[i]);
        if (!value) {
            *error = QStringLiteral("--geometry: \"") + parts[i].trimmed() + QStringLiteral("\" is not a number");
            return std::nullopt;
        }
        values[i] = *value;
    }
    const std::optional<int> across = WholeNumber(values[2]);
    const std::optional<int> down = WholeNumber(values[3]);
    if (!across || !down) {
        *error = QStringLiteral("--geometry: the labels across and down are whole numbers");
        return std::nullopt;
    }
    labels::TLabelGeometry g;
    g.height = values[0];
    g.width = values[1];
    g.across = *across;
    g.down = *down;
    g.topMargin = values[4];
    g.leftMargin = values[5];
    g.horizPitch = values[6];
    g.vertPitch = values[7];
    g.sheetWidth = values[8];
    g.sheetDepth = values[9];
    return g;
}

// The paper and shape codes for a typed geometry: LTR and RR unless given.
bool ApplyCodes(const ParsedArguments& args, labels::TLabelGeometry& g, QString* error)
{
    if (args.given("--paper")) {
        g.paperSize = qtext(args.value("--paper")).toUpper();
        if (!labels::FindPaper(g.paperSize)) {
            *error = QStringLiteral("--paper is one of ") + ListedCodes(CodesOf(labels::PaperEntries()));
            return false;
        }
    }
    if (args.given("--shape")) {
        g.shape = qtext(args.value("--shape")).toUpper();
        if (!labels::FindShape(g.shape)) {
            *error = QStringLiteral("--shape is one of ") + ListedCodes(CodesOf(labels::ShapeEntries()));
            return false;
        }
    }
    return true;
}

// Whether the options name exactly one way to the geometry.
QString UsageProblem(const ParsedArguments& args)
{
    const bool stock = args.given("--stock");
    const bool geometry = args.given("--geometry");
    if (stock == geometry)
        return QStringLiteral("give either --stock or --geometry");
    if (stock && (args.given("--paper") || args.given("--shape")))
        return QStringLiteral("--paper and --shape go with --geometry; a stock has its own");
    if (qtext(args.positional[0]).trimmed().isEmpty())
        return QStringLiteral("the layout needs a name");
    return {};
}

// GetLayoutFromTemplate: the catalogue row's geometry and texts.
std::optional<labels::TLabelStock> StockFromCatalogue(const std::string& home, const QString& description)
{
    xbase::TApollo engine;
    TDataset catalogue(engine);
    if (!openLabelTable(catalogue, home, labels::OpenLabelTemplateTable))
        return std::nullopt;
    if (!labels::FindLabelTemplate(catalogue, description)) {
        failWith("no label stock is named \"" + description.toStdString() + "\" (label-stocks lists them)");
        return std::nullopt;
    }
    const labels::TStockRead read = labels::ReadCurrentTemplate(catalogue);
    if (!read.stock)
        failWith(read.message.toStdString());
    return read.stock;
}

// GetUserDefinedLayout: the typed geometry, checked as the dialog checks it.
std::optional<labels::TLabelStock> StockFromGeometry(const labels::TLabelGeometry& geometry)
{
    try {
        labels::ValidLabel(geometry);
    } catch (const labels::EValid& invalid) {
        failWith(invalid.message().toStdString());
        return std::nullopt;
    }
    return labels::UserDefinedStock(geometry);
}

// Appends the layout with its design file; the file name, or nothing after
// reporting why.
std::optional<QString> SaveNewLayout(const std::string& home, labels::TLabelLayout layout)
{
    xbase::TApollo engine;
    TDataset table(engine);
    if (!openLabelTable(table, home, labels::OpenLabelLayoutTable))
        return std::nullopt;
    if (labels::FindLabelLayout(table, layout.description)) {
        failWith("a label layout named \"" + layout.description.toStdString() + "\" already exists");
        return std::nullopt;
    }
    const QString sysdata = sysdataFolder(home);
    if (const TTableResult reserved = labels::ReserveLayoutDesignName(table, sysdata, &layout.designFile); !reserved) {
        failWithResult(reserved);
        return std::nullopt;
    }
    design::TGDesignOwner owner(kPixelsPerInch);
    design::TGSurfaceObjects objects(design::TGClassSet::LabelSurface());
    const TIniFile ini(THomeFolder(qtext(home)).iniPath());
    labels::AddNewLabelAddressBlock(owner, objects, labels::LabelSizeInPixels(layout.stock.geometry, kPixelsPerInch),
                                    labels::TLabelFontPreferences::Load(ini).DesignFont(kPixelsPerInch));
    const TTableResult saved = labels::SaveLabelLayout(
        table, sysdata, layout, labels::TLayoutSave::lsNew,
        [&objects](const QString& path) { return design::TGLabelObjectFiler().SaveSurface(objects, path); });
    if (!saved) {
        failWithResult(saved);
        return std::nullopt;
    }
    return layout.designFile;
}

int run(const Invocation& inv)
{
    const ParsedArguments& args = inv.args;
    if (const QString problem = UsageProblem(args); !problem.isEmpty())
        return badUsage(kUsage, problem.toStdString());
    labels::TLabelLayout layout = labels::NewLabelLayout();
    layout.description = labels::KeptDescription(qtext(args.positional[0]));
    std::optional<labels::TLabelStock> stock;
    if (args.given("--stock")) {
        stock = StockFromCatalogue(inv.home, qtext(args.value("--stock")));
    } else {
        QString error;
        std::optional<labels::TLabelGeometry> geometry = ParseGeometry(qtext(args.value("--geometry")), &error);
        if (!geometry || !ApplyCodes(args, *geometry, &error))
            return badUsage(kUsage, error.toStdString());
        stock = StockFromGeometry(*geometry);
    }
    if (!stock)
        return kFailed;
    layout.stock = *stock;
    const std::optional<QString> designFile = SaveNewLayout(inv.home, layout);
    if (!designFile)
        return kFailed;
    std::printf("%s\n", designFile->toUtf8().constData());
    return kOk;
}

const CommandRegistrar newCommand(
    {"label-new", kUsage,
     "Adds a label layout named NAME (any case must be new) as New and Change Layout\n"
     "make it, and prints the name of its design file in sysdata.\n"
     "--stock takes the geometry of a catalogue stock (see label-stocks); --geometry\n"
     "takes ten inch values in the catalogue's column order, checked as the\n"
     "\"User Defined Label Layout\" dialog checks them, on LTR paper with the RR shape\n"
     "unless --paper and --shape say otherwise. The design holds an address block\n"
     "covering the label less its margins.",
     {.withValue = {"--stock", "--geometry", "--paper", "--shape"}}, run});

} // namespace
} // namespace quorvel::cli
