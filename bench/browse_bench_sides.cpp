// The two sides of the browse benchmark: our browse model over an address
// dataset, and the queries a grid over SQLite would run for the same screens.
#include "address_table_sqlite.h"
#include "address_table_xbase.h"
#include "browse_bench_phases.h"

#include "store/address_dataset.h"
#include "store/address_file.h"
#include "store/address_layout.h"
#include "store/browse_model.h"
#include "xbase/apollo.h"

#include <stdexcept>

namespace quorvel::bench {

namespace {

std::string tablePath(const BrowseBenchConfig& config) { return config.folder + "/browse.dbf"; }

QStringList browseColumns()
{
    QStringList columns;
    for (QLatin1String column : addressBrowseColumns())
        columns << QString(column);
    return columns;
}

// Reads every cell of `rows` rows from `first` on, as painting them does.
long long showRows(TBrowseModel& model, int first, int rows)
{
    long long shown = 0;
    for (int row = first; row < first + rows && row < model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column)
            model.data(model.index(row, column));
        ++shown;
    }
    return shown;
}

// SQLite's screen: the rows of one page of the last-name order.
long long sqliteRows(Database& db, const std::string& order, long long offset)
{
    Statement page(db, "SELECT * FROM address WHERE NOT ISDEL ORDER BY " + order + " LIMIT "
                           + std::to_string(kScreenRows) + " OFFSET " + std::to_string(offset));
    long long shown = 0;
    while (page.step()) {
        page.readRow();
        ++shown;
    }
    return shown;
}

} // namespace

std::vector<PhaseResult> runBrowseSide(const BrowseBenchConfig& config)
{
    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    clock.run(kPhaseSetUp, [&] {
        std::unique_ptr<xbase::WorkArea> area = createAddressTable(tablePath(config));
        appendAddressRecords(*area, config.records, false);
        return buildAddressTags(*area);
    });
    xbase::TApollo engine;
    TAddressDataset dataset(engine);
    std::unique_ptr<TBrowseModel> model;
    clock.run(kPhaseOpen, [&] {
        const TTableResult opened = OpenTableFile(QString::fromStdString(tablePath(config)), dataset);
        if (!opened.ok)
            throw std::runtime_error(opened.detail.toStdString());
        dataset.SetOrder(QStringLiteral("LNAME"));
        dataset.SetQuery(QStringLiteral("!ISDEL"));
        model = std::make_unique<TBrowseModel>(dataset, browseColumns());
        showRows(*model, 0, kScreenRows);
        return static_cast<long long>(model->rowCount());
    });
    clock.run(kPhaseLastScreen, [&] { return showRows(*model, model->rowCount() - kScreenRows, kScreenRows); });
    clock.run(kPhaseMiddleScreen, [&] { return showRows(*model, model->rowCount() / 2, kScreenRows); });
    return log;
}

std::vector<PhaseResult> runSqliteBrowseSide(const BrowseBenchConfig& config)
{
    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    Database db(config.folder + "/browse.sqlite");
    clock.run(kPhaseSetUp, [&] {
        createAddressTable(db, "address");
        appendAddressRecords(db, "address", config.records, false);
        return buildAddressIndexes(db);
    });
    long long count = 0;
    const std::string order = "UPPER(LNAME), UPPER(FNAME)";
    clock.run(kPhaseOpen, [&] {
        Statement counting(db, "SELECT count(*) FROM address WHERE NOT ISDEL");
        counting.step();
        count = counting.column(0);
        sqliteRows(db, order, 0);
        return count;
    });
    // A grid that knows its end reads the last page backwards.
    clock.run(kPhaseLastScreen, [&] { return sqliteRows(db, "UPPER(LNAME) DESC, UPPER(FNAME) DESC", 0); });
    clock.run(kPhaseMiddleScreen, [&] { return sqliteRows(db, order, count / 2); });
    return log;
}

} // namespace quorvel::bench
