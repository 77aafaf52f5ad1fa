#pragma once

// What the label and envelope benchmarks share around their runs: each
// side's three phases (to PDF, preview recording, the hash of the texts),
// the address file and printer our run works on, and the report of both
// sides.
#include "address_piece.h"
#include "phase_clock.h"

#include "output/rp_device.h"
#include "output/scripted_output_dialogs.h"
#include "store/address_dataset.h"
#include "xbase/apollo.h"
#include "xbase/apollo_env.h"

#include <QByteArray>
#include <QPageLayout>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class QPdfWriter;
class QPicture;

namespace quorvel::bench {

inline constexpr const char* kPhasePreview = "preview recording";
inline constexpr const char* kPhaseTexts = "texts drawn (hash)";

// The mailing list opened as the print commands open it (every live
// record), the "Save as PDF" printer and dialogs that name the PDF file:
// what one of our runs works on.
class MailRunPlace {
public:
    MailRunPlace(const std::string& addressFile, const QString& pdf);

    xbase::TApolloEnv env;
    xbase::TApollo engine{env};
    TAddressDataset addresses{engine};
    output::TRPDevice device;
    output::TScriptedOutputDialogs dialogs;

    // The dialogs' messages, for an error report.
    std::string Said() const;
};

// Our side's phases: `run` prints (preview false) into the PDF file or
// previews, keeping the recorded pages in `previewBytes`, and answers the
// pages made.
std::vector<PhaseResult> runOurMailSide(const std::string& folder, const char* pdfPhase,
                                        const std::function<int(bool preview, const QString& pdf)>& run,
                                        const QByteArray& previewBytes);

// The direct side's phases: `draw` draws every piece with `piece`, asking
// `newPage` for each next page's painter, and answers the pages made. It
// draws once onto a QPdfWriter of `page` at 1,200 dots an inch, hashing the
// texts, and once into one QPicture a page, all kept as a preview keeps
// its pages.
using DirectMailDraw =
    std::function<int(const std::string& addressFile, DirectAddressPiece& piece, const std::function<QPainter&()>& newPage)>;
std::vector<PhaseResult> runDirectMailSide(const std::string& folder, const std::string& addressFile,
                                           const char* pdfPhase, const QPageLayout& page, const DirectMailDraw& draw);

// The painter of each next page of a direct side's drawing: on `writer`
// (the first call begins the document, each next one starts a page), or
// into a new QPicture a page kept in `pictures`, as a preview keeps them.
std::function<QPainter&()> pdfPages(QPdfWriter& writer, QPainter& painter);
std::function<QPainter&()> picturePages(std::vector<std::unique_ptr<QPicture>>& pictures, QPainter& painter);

// Prints both sides and the pieces a second; false when they disagree.
// `pieces` is what each side made ("labels"), `count` how many.
bool printMailSides(const std::vector<PhaseResult>& ours, const std::vector<PhaseResult>& direct,
                    std::uint32_t count, const char* pieces, const std::string& headline);

} // namespace quorvel::bench
