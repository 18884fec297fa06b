#include "platform/db/Filter.h"
#include "platform/db/DataSet.h"

#include "foundation/Formats.h"

namespace Filter {
namespace {

struct Token {
    enum Kind { Name, Number, String, Op, Open, Close, End } kind;
    QString text;
};

class Reader {
public:
    Reader(const QString &text, const DataSet &ds, const QString &qualifier)
        : m_text(text), m_ds(ds), m_qualifier(qualifier)
    {
        advance();
    }

    Translation run()
    {
        Translation t;
        t.sql = orExpr(t.binds);
        if (m_token.kind != Token::End)
            fail();
        return t;
    }

private:
    [[noreturn]] void fail() const
    {
        throw DbError(QStringLiteral("Hibás szűrőfeltétel: %1").arg(m_text));
    }

    void advance()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
        if (m_pos >= m_text.size()) {
            m_token = {Token::End, {}};
            return;
        }
        const QChar c = m_text[m_pos];
        const int start = m_pos;
        if (c.isLetter() || c == '_') {
            while (m_pos < m_text.size() && (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == '_'))
                ++m_pos;
            m_token = {Token::Name, m_text.mid(start, m_pos - start)};
        } else if (c.isDigit() || ((c == '-' || c == '+') && m_pos + 1 < m_text.size() && m_text[m_pos + 1].isDigit())) {
            ++m_pos;
            while (m_pos < m_text.size() && (m_text[m_pos].isDigit() || m_text[m_pos] == '.' || m_text[m_pos] == ','))
                ++m_pos;
            m_token = {Token::Number, m_text.mid(start, m_pos - start)};
        } else if (c == '\'' || c == '"') {
            QString value;
            ++m_pos;
            for (;;) {
                if (m_pos >= m_text.size())
                    fail();
                if (m_text[m_pos] == c) {
                    if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == c) {  // doubled quote
                        value += c;
                        m_pos += 2;
                        continue;
                    }
                    ++m_pos;
                    break;
                }
                value += m_text[m_pos++];
            }
            m_token = {Token::String, value};
        } else if (c == '(' || c == ')') {
            ++m_pos;
            m_token = {c == '(' ? Token::Open : Token::Close, QString(c)};
        } else {
            static const QStringList ops{"<>", ">=", "<=", "!=", "=", "<", ">"};
            for (const QString &op : ops)
                if (QStringView(m_text).mid(m_pos).startsWith(op)) {
                    m_pos += int(op.size());
                    m_token = {Token::Op, op == "!=" ? QStringLiteral("<>") : op};
                    return;
                }
            fail();
        }
    }

    bool keyword(const char *word) const
    {
        return m_token.kind == Token::Name && m_token.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }

    QString orExpr(QVariantList &binds)
    {
        QString sql = andExpr(binds);
        while (keyword("or")) {
            advance();
            sql += " OR " + andExpr(binds);
        }
        return sql;
    }

    QString andExpr(QVariantList &binds)
    {
        QString sql = unary(binds);
        while (keyword("and")) {
            advance();
            sql += " AND " + unary(binds);
        }
        return sql;
    }

    QString unary(QVariantList &binds)
    {
        if (keyword("not")) {
            advance();
            return "NOT " + unary(binds);
        }
        if (m_token.kind == Token::Open) {
            advance();
            const QString inner = orExpr(binds);
            if (m_token.kind != Token::Close)
                fail();
            advance();
            return '(' + inner + ')';
        }
        return comparison(binds);
    }

    QString comparison(QVariantList &binds)
    {
        if (m_token.kind != Token::Name)
            fail();
        const int column = m_ds.fieldIndex(m_token.text);
        if (column < 0 || !m_ds.columns()[size_t(column)].stored)
            throw DbError(QStringLiteral("Ismeretlen mező a szűrőfeltételben: %1").arg(m_token.text));
        const DataSet::Column &c = m_ds.columns()[size_t(column)];
        advance();
        if (m_token.kind != Token::Op)
            fail();
        const QString op = m_token.text;
        advance();
        if (m_token.kind != Token::Number && m_token.kind != Token::String)
            fail();
        binds << literal(c, m_token.text);
        advance();
        return m_qualifier + '"' + c.name + "\" " + op + " ?";
    }

    QVariant literal(const DataSet::Column &c, const QString &text) const
    {
        using Schema::Type;
        bool ok = true;
        switch (c.type) {
        case Type::Integer:
        case Type::AutoInc: {
            const qlonglong v = text.toLongLong(&ok);
            if (!ok)
                fail();
            return v;
        }
        case Type::Real: {
            double v = 0;
            if (!Formats::parseReal(text, &v))
                fail();
            return v;
        }
        case Type::Date: {
            const QDate d = Formats::parseDate(text);
            if (!d.isValid())
                fail();
            return d;
        }
        default:
            return text;
        }
    }

    QString m_text;
    const DataSet &m_ds;
    QString m_qualifier;
    int m_pos = 0;
    Token m_token{Token::End, {}};
};

} // namespace

Translation translate(const QString &filter, const DataSet &ds, const QString &qualifier)
{
    if (filter.trimmed().isEmpty())
        return {};
    return Reader(filter, ds, qualifier).run();
}

} // namespace Filter
