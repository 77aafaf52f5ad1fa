#pragma once

#include "xbase/core/record.h"
#include "xbase/core/status.h"
#include "xbase/expr/value.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace xbase {

namespace expr {
struct Node;
}

// A key or filter expression, compiled once against a table's fields and
// then evaluated record by record. Evaluation never fails: every type
// question is settled when compiling.
class Expression {
public:
    // A malformed expression, an unknown field or function, a type mismatch
    // or a wrong number of arguments gives InvalidArgument with a message
    // naming the problem and its position.
    static Status compile(std::string_view text, const Schema& schema, std::unique_ptr<Expression>* out);
    ~Expression();
    Expression(const Expression&) = delete;
    Expression& operator=(const Expression&) = delete;

    const std::string& text() const;
    ValueType type() const;
    int width() const; // result width (key length for Character results)

    Value evaluate(const RecordSource& rec, const EvalOptions& opt = {}) const;
    bool isTrue(const RecordSource& rec, const EvalOptions& opt = {}) const; // logical results; false for others
    // The index key of the record in a reused buffer: Character results padded
    // with blanks (or cut) to width(); Numeric and Date results the 8 bytes of
    // the double in host order; Logical results "T" or "F".
    void evaluateKey(const RecordSource& rec, std::string* out, const EvalOptions& opt = {}) const;

    std::string canonical() const; // normalised text: "UPPER(LNAME)+UPPER(FNAME)"
    // For keys: the top-level "+" parts, each canonical with its width.
    struct Part {
        std::string canonical;
        int width;
    };
    std::vector<Part> concatenationParts() const;
    // For filters: top-level .AND. conjuncts of the form <character expr> = "literal",
    // which an index whose key begins with that expression can answer as a
    // prefix range.
    struct PrefixTerm {
        std::string keyCanonical;
        int keyWidth;
        std::string literal;
        bool exactMatch = false; // "==": only a value equal to the literal matches
    };
    std::vector<PrefixTerm> prefixTerms() const;

private:
    Expression(std::string text, std::unique_ptr<expr::Node> root);

    std::string text_;
    std::unique_ptr<expr::Node> root_;
};

} // namespace xbase
