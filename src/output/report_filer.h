#pragma once

#include "output/base_report.h"
#include "output/page_stream.h"

#include <QBuffer>

#include <memory>
#include <optional>

class QIODevice;

namespace output {

enum TStreamMode { smMemory, smFile, smUser, smTempFile };
enum TAccuracyMethod { amPositioning, amAppearance };

// Records a job's pages into a page stream instead of drawing them; the
// viewer and the file printer play the stream back.
class TReportFiler : public TBaseReport {
public:
    TReportFiler();
    ~TReportFiler() override;

    TStreamMode StreamMode() const { return streamMode_; }
    void SetStreamMode(TStreamMode mode);
    QString FileName() const { return fileName_; }
    void SetFileName(const QString& name) { fileName_ = name; }
    // smUser: the caller's stream, which the caller opens, keeps and frees.
    void SetStream(QIODevice* stream) { userStream_ = stream; }
    // The stream the last job wrote (smMemory and smUser).
    QIODevice* Stream();
    TAccuracyMethod AccuracyMethod() const { return accuracy_; }
    void SetAccuracyMethod(TAccuracyMethod method) { accuracy_ = method; }

protected:
    bool BeginDocument() override;
    void BeginPage() override;
    void EndPage() override;
    void EndDocument(bool aborted) override;
    void EmitOp(TPageOp&& op) override;

private:
    QIODevice& openTarget();
    void writeFailed() const;

    TStreamMode streamMode_ = smMemory;
    QString fileName_;
    QIODevice* userStream_ = nullptr;
    QBuffer memory_;
    std::unique_ptr<QIODevice> file_;
    std::optional<TPageStreamWriter> writer_;
    TPage page_;
    TAccuracyMethod accuracy_ = amAppearance;
};

} // namespace output
