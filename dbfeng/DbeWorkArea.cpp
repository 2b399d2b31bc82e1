#include "dbfeng/DbeWorkArea.h"

#include "dbfeng/DbeFile.h"

bool DbeWorkArea::visible(int r, bool hideDeleted) const {
    if (r < 1 || r > file->recordCount())
        return false;
    if (queryInvalid)
        return false;
    if (query && (size_t(r) >= matches.size() || !matches[size_t(r)]))
        return false;
    return !(hideDeleted && file->deleted(r));
}

int DbeWorkArea::sequenceSize() const {
    if (const DbeIndex* index = controlling())
        return index->size();
    return file->recordCount();
}

int DbeWorkArea::sequenceAt(int position) const {
    if (const DbeIndex* index = controlling())
        return index->recNoAt(position);
    return position + 1;
}

int DbeWorkArea::positionOf(int r) const {
    if (const DbeIndex* index = controlling())
        return index->positionOf(r);
    return r >= 1 && r <= file->recordCount() ? r - 1 : -1;
}

void DbeWorkArea::setEof() {
    recNo = file->recordCount() + 1;
    eof = true;
}

void DbeWorkArea::goTop(bool hideDeleted) {
    eof = bof = false;
    const int n = sequenceSize();
    for (int p = 0; p < n; ++p) {
        if (visible(sequenceAt(p), hideDeleted)) {
            recNo = sequenceAt(p);
            return;
        }
    }
    setEof();
    bof = true;
}

void DbeWorkArea::goBottom(bool hideDeleted) {
    eof = bof = false;
    for (int p = sequenceSize() - 1; p >= 0; --p) {
        if (visible(sequenceAt(p), hideDeleted)) {
            recNo = sequenceAt(p);
            return;
        }
    }
    setEof();
    bof = true;
}

void DbeWorkArea::skip(int count, bool hideDeleted) {
    if (count == 0)
        return;
    if (eof) {
        if (count > 0)
            return;
        goBottom(hideDeleted);
        if (eof)
            return;
        ++count;
    }
    eof = bof = false;
    int p = positionOf(recNo);
    if (p < 0) {
        // The record is not in this order (outside a conditional index): start from the top.
        goTop(hideDeleted);
        return;
    }
    const int n = sequenceSize();
    while (count > 0) {
        int q = p + 1;
        while (q < n && !visible(sequenceAt(q), hideDeleted))
            ++q;
        if (q >= n) {
            setEof();
            return;
        }
        p = q;
        recNo = sequenceAt(p);
        --count;
    }
    while (count < 0) {
        int q = p - 1;
        while (q >= 0 && !visible(sequenceAt(q), hideDeleted))
            --q;
        if (q < 0) {
            // Beginning of file: stay on the first record shown.
            bof = true;
            if (!visible(recNo, hideDeleted)) {
                goTop(hideDeleted);
                bof = true;
            }
            return;
        }
        p = q;
        recNo = sequenceAt(p);
        ++count;
    }
}

void DbeWorkArea::go(int r) {
    bof = false;
    if (r >= 1 && r <= file->recordCount()) {
        recNo = r;
        eof = false;
    } else {
        setEof();
    }
}

double DbeWorkArea::orderPosition() const {
    if (eof)
        return 1.0;
    const int n = sequenceSize();
    const int p = positionOf(recNo);
    if (n <= 1 || p < 0)
        return 0.0;
    return double(p) / double(n - 1);
}

bool DbeWorkArea::matchesQuery(int r, bool exact) const {
    return query->test(DbeExpression::Record{file->record(r), r, exact});
}

void DbeWorkArea::setQuery(const std::string& text, std::unique_ptr<DbeExpression> expression, bool exact) {
    queryText = text;
    query = std::move(expression);
    queryInvalid = !text.empty() && !query;
    matches.clear();
    if (!query)
        return;
    const int n = file->recordCount();
    matches.assign(size_t(n) + 1, 0);
    for (int r = 1; r <= n; ++r)
        matches[size_t(r)] = matchesQuery(r, exact) ? 1 : 0;
}

int DbeWorkArea::queryCount(bool hideDeleted) const {
    int count = 0;
    const int n = file->recordCount();
    for (int r = 1; r <= n; ++r)
        if (visible(r, hideDeleted))
            ++count;
    return count;
}

void DbeWorkArea::recordChanged(int r, bool exact) {
    for (auto& index : orders)
        index->recordChanged(r, *file);
    if (query) {
        if (size_t(r) >= matches.size())
            matches.resize(size_t(r) + 1, 0);
        matches[size_t(r)] = matchesQuery(r, exact) ? 1 : 0;
    }
}
