#pragma once

#include "ui/help.h"

#include <QList>

namespace quorvel {

// Help for tests: records what was asked for and shows nothing.
class TScriptedHelp : public THelp {
public:
    static constexpr int kContents = -1;
    static constexpr int kSearch = -2;

    void showTopic(int context) override { opened_.append(context); }
    void showContents() override { opened_.append(kContents); }
    void showSearch() override { opened_.append(kSearch); }

    // Context numbers in order, kContents and kSearch for the other two.
    const QList<int>& opened() const { return opened_; }

private:
    QList<int> opened_;
};

} // namespace quorvel
