#pragma once

namespace output {
class TBaseReport;
}

namespace reports {

// What a report run hands to its status as the job: a preparation before
// the document starts and the pages themselves. A producer walks the
// dataset from its current record to its end, lets pending events run after
// each record and stops once the status asks it to.
class TReportProducer {
public:
    virtual ~TReportProducer() = default;

    virtual void BeforePrint(output::TBaseReport& report) = 0;
    virtual void Print(output::TBaseReport& report) = 0;
};

} // namespace reports
