#include "dbfeng/dbfeng.h"

#include "dbfeng/DbeEngine.h"
#include "dbfeng/DbeText.h"

#include <cstring>
#include <new>
#include <string>
#include <unistd.h>

namespace {

DbeEngine& E() {
    return DbeEngine::instance();
}

std::string str(const char* s) {
    return s ? std::string(s) : std::string();
}

// Nothing may escape across the C interface: a failure is the documented failure result.
template <typename R, typename F> R guarded(R failure, F&& body) {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        E().setError("out of memory");
    } catch (...) {
        E().setError("internal failure");
    }
    return failure;
}

int flag(bool b) {
    return b ? 1 : 0;
}

int setFlag(bool& setting, int on) {
    const int before = flag(setting);
    setting = on != 0;
    return before;
}

int setInt(int& setting, int value) {
    const int before = setting;
    setting = value;
    return before;
}

const DbeField* fieldNamed(const char* name) {
    DbeWorkArea* a = E().current();
    if (!a || !name)
        return nullptr;
    const int i = dbeFindField(a->file->layout(), name);
    return i < 0 ? nullptr : &a->file->layout()[size_t(i)];
}

} // namespace

extern "C" {

int dbe_SetStringType(int type) {
    return setInt(E().stringType, type);
}

int dbe_SysProp(int item, const char* buffer) {
    return guarded(-1, [&] {
        const bool set = buffer && *buffer;
        double number = set ? DbeText::parseNumber(buffer) : 0;
        if (!(number > -1e9 && number < 1e9))
            number = 0;
        const int value = int(number);
        switch (item) {
        case DBE_PROP_SEEK_WHOLE_KEY_GET:
            return flag(E().seekWholeKey);
        case DBE_PROP_SEEK_WHOLE_KEY_SET: {
            const int before = flag(E().seekWholeKey);
            if (set)
                E().seekWholeKey = value != 0;
            return before;
        }
        case DBE_PROP_VERSION:
            return 100;
        case DBE_PROP_BUILD:
            return 1;
        case DBE_PROP_MAX_WORK_AREAS:
            return DbeEngine::maxWorkAreas;
        case DBE_PROP_DURABLE_WRITES: {
            const int before = flag(E().durableWrites);
            if (set)
                E().durableWrites = value != 0;
            return before;
        }
        case DBE_PROP_ORDER_COUNT: {
            DbeWorkArea* a = E().current();
            return a ? int(a->orders.size()) : 0;
        }
        default:
            return -1;
        }
    });
}

const char* dbe_ErrorText(void) {
    return E().give(E().errorText);
}

int dbe_WorkArea(const char* alias) {
    return alias && *alias ? E().findAlias(alias) : 0;
}

int dbe_Use(const char* file, const char* alias, int openMode, int driver) {
    (void)driver; // every driver reads and writes the same dBASE III files
    return guarded(0, [&] {
        if (!file || !*file) {
            E().setError("no file name");
            return 0;
        }
        return E().use(file, str(alias), openMode == 2 ? 2 : openMode == 1 ? 1 : 0);
    });
}

int dbe_Select(int workArea) {
    return setInt(E().selected, workArea);
}

const char* dbe_Alias(int workArea) {
    DbeWorkArea* a = E().area(workArea);
    return E().give(a ? a->alias : std::string());
}

int dbe_Close(void) {
    return guarded(0, [] {
        if (!E().area(E().selected))
            return 0;
        E().close(E().selected);
        return 1;
    });
}

int dbe_ErrorLevel(int level) {
    return setInt(E().errorLevel, level);
}

int dbe_SetExact(int on) {
    return setFlag(E().exact, on);
}
int dbe_SetCentury(int on) {
    return setFlag(E().century, on);
}
int dbe_SetDateFormat(int format) {
    return setInt(E().dateFormat, format);
}
int dbe_SetDeleted(int on) {
    return setFlag(E().hideDeleted, on);
}
int dbe_SetEpoch(int year) {
    return setInt(E().epoch, year);
}
int dbe_SetMemoBlockSize(int size) {
    return setInt(E().memoBlockSize, size);
}
int dbe_SetSoftSeek(int on) {
    return setFlag(E().softSeek, on);
}
int dbe_SetTurboRead(int level) {
    return setInt(E().turboRead, level);
}
int dbe_SetTranslate(int on) {
    return setFlag(E().translate, on);
}

int dbe_FieldCount(void) {
    DbeWorkArea* a = E().current();
    return a ? int(a->file->layout().size()) : 0;
}

int dbe_RecSize(void) {
    DbeWorkArea* a = E().current();
    return a ? a->file->recordLength() : 0;
}

int dbe_IsEncrypted(int) {
    return 0;
}

const char* dbe_FieldName(int number) {
    DbeWorkArea* a = E().current();
    if (!a || number < 1 || number > int(a->file->layout().size()))
        return E().give(std::string());
    return E().give(a->file->layout()[size_t(number - 1)].name);
}

const char* dbe_FieldType(const char* name) {
    const DbeField* f = fieldNamed(name);
    return E().give(f ? std::string(1, f->type) : std::string());
}

int dbe_FieldOffset(const char* name) {
    const DbeField* f = fieldNamed(name);
    return f ? f->offset : -1;
}

int dbe_FieldWidth(const char* name) {
    const DbeField* f = fieldNamed(name);
    return f ? f->width : 0;
}

int dbe_FieldDecimals(const char* name) {
    const DbeField* f = fieldNamed(name);
    return f ? f->decimals : 0;
}

const char* dbe_IndexCondition(void) {
    DbeWorkArea* a = E().current();
    const DbeIndex* index = a ? a->controlling() : nullptr;
    return E().give(index ? index->conditionText() : std::string());
}

int dbe_GoTop(void) {
    DbeWorkArea* a = E().current();
    if (!a)
        return 0;
    a->goTop(E().hideDeleted);
    return 1;
}

int dbe_GoBottom(void) {
    DbeWorkArea* a = E().current();
    if (!a)
        return 0;
    a->goBottom(E().hideDeleted);
    return 1;
}

int dbe_Skip(int count) {
    DbeWorkArea* a = E().current();
    if (!a)
        return 0;
    a->skip(count, E().hideDeleted);
    return 1;
}

int dbe_Go(int recNo) {
    DbeWorkArea* a = E().current();
    if (!a)
        return 0;
    a->go(recNo);
    return a->eof ? 0 : 1;
}

int dbe_Eof(void) {
    DbeWorkArea* a = E().current();
    return a ? flag(a->eof) : 1;
}

int dbe_Bof(void) {
    DbeWorkArea* a = E().current();
    return a ? flag(a->bof) : 1;
}

int dbe_RecNo(void) {
    DbeWorkArea* a = E().current();
    return a ? a->recNo : 0;
}

int dbe_RecCount(void) {
    DbeWorkArea* a = E().current();
    return a ? a->file->recordCount() : 0;
}

double dbe_OrderPosGet(void) {
    DbeWorkArea* a = E().current();
    return a ? a->orderPosition() : 0.0;
}

int dbe_GetRecord(char* buffer) {
    DbeWorkArea* a = E().current();
    if (!a || !buffer)
        return 0;
    const size_t length = size_t(a->file->recordLength());
    if (a->eof) {
        std::memset(buffer, ' ', length);
        buffer[length] = '\0';
        return 0;
    }
    std::memcpy(buffer, a->file->record(a->recNo), length);
    buffer[length] = '\0';
    return int(length);
}

int dbe_Deleted(void) {
    DbeWorkArea* a = E().current();
    return a && !a->eof ? flag(a->file->deleted(a->recNo)) : 0;
}

int dbe_Rlock(int recNo) {
    DbeWorkArea* a = E().current();
    if (!a)
        return 0;
    if (!a->file->lock(recNo, a)) {
        E().setError("record " + std::to_string(recNo) + " not locked");
        return 0;
    }
    return 1;
}

int dbe_Unlock(int recNo) {
    DbeWorkArea* a = E().current();
    if (!a)
        return 0;
    a->file->unlock(recNo, a);
    return 1;
}

int dbe_AppendBlank(void) {
    return guarded(0, [] {
        DbeWorkArea* a = E().current();
        return a ? flag(E().appendBlank(*a) > 0) : 0;
    });
}

int dbe_PutRecord(const char* image) {
    return guarded(0, [&] {
        DbeWorkArea* a = E().current();
        if (!a || !image)
            return 0;
        if (a->eof) {
            E().setError("no current record");
            return 0;
        }
        return flag(E().writeRecord(*a, a->recNo, image));
    });
}

int dbe_Commit(void) {
    return guarded(0, [] {
        DbeWorkArea* a = E().current();
        return a ? flag(a->file->sync()) : 0;
    });
}

int dbe_EvalTest(const char* expression) {
    return guarded(0, [&] {
        DbeWorkArea* a = E().current();
        if (!a || !expression)
            return 0;
        auto e = E().parse(expression, *a);
        return e ? int(e->type()) : 0;
    });
}

int dbe_Query(const char* expression) {
    return guarded(0, [&] {
        DbeWorkArea* a = E().current();
        if (!a)
            return 0;
        const std::string text = str(expression);
        const bool empty = DbeText::trimLeft(DbeText::trimRight(text)).empty();
        std::unique_ptr<DbeExpression> e;
        if (!empty) {
            e = E().parse(text, *a);
            if (e && e->type() != DbeExpression::Logical) {
                E().setError("query is not a logical expression");
                e.reset();
            }
        }
        a->setQuery(empty ? std::string() : text, std::move(e), E().exact);
        a->goTop(E().hideDeleted);
        return a->queryCount(E().hideDeleted) > 0 ? 1 : 0;
    });
}

int dbe_QueryTest(const char* expression) {
    return guarded(0, [&] {
        DbeWorkArea* a = E().current();
        if (!a || !expression)
            return 0;
        auto e = E().parse(expression, *a);
        // Queries are evaluated for every record, so their counts are always exact.
        return e && e->type() == DbeExpression::Logical ? 2 : 0;
    });
}

int dbe_QueryRecCount(void) {
    DbeWorkArea* a = E().current();
    return a ? a->queryCount(E().hideDeleted) : 0;
}

const char* dbe_DBFilter(void) {
    DbeWorkArea* a = E().current();
    return E().give(a ? a->queryText : std::string());
}

int dbe_Index(const char* file, const char* expression, int option, int descending, const char* condition) {
    (void)option;
    return guarded(0, [&] {
        DbeWorkArea* a = E().current();
        const std::string path = str(file);
        if (!a || path.empty() || !expression)
            return 0;
        // Whatever the name, an index file must never be written over a table (or a link to one).
        if (E().isOpenFile(path)) {
            E().setError(path + ": the table is open");
            return 0;
        }
        auto key = E().parse(expression, *a);
        if (!key)
            return 0;
        const std::string conditionText = str(condition);
        std::unique_ptr<DbeExpression> test;
        if (!DbeText::trimLeft(DbeText::trimRight(conditionText)).empty()) {
            test = E().parse(conditionText, *a);
            if (!test || test->type() != DbeExpression::Logical)
                return 0;
        }
        std::string error;
        auto index = DbeIndex::build(path, expression, std::move(key), test ? conditionText : std::string(),
                                     std::move(test), descending != 0, *a->file, &error);
        if (!index) {
            E().setError(error);
            return 0;
        }
        // Building an index file that is open in this work area replaces that order.
        for (size_t i = 0; i < a->orders.size(); ++i) {
            if (a->orders[i]->path() == path) {
                a->orders[i] = std::move(index);
                a->order = int(i) + 1;
                return a->order;
            }
        }
        if (a->orders.size() >= 0x7FFF) {
            E().setError("too many open indexes");
            return 0;
        }
        a->orders.push_back(std::move(index));
        a->order = int(a->orders.size());
        return a->order;
    });
}

int dbe_SetOrder(int order) {
    DbeWorkArea* a = E().current();
    if (!a)
        return 0;
    const int before = a->order;
    if (order >= 0 && order <= int(a->orders.size()))
        a->order = order;
    return before;
}

const char* dbe_TagName(int order) {
    DbeWorkArea* a = E().current();
    if (!a || order < 1 || order > int(a->orders.size()))
        return E().give(std::string());
    return E().give(a->orders[size_t(order - 1)]->tagName());
}

const char* dbe_IndexName(int order) {
    DbeWorkArea* a = E().current();
    if (!a || order < 1 || order > int(a->orders.size()))
        return E().give(std::string());
    return E().give(a->orders[size_t(order - 1)]->path());
}

int dbe_IndexOrd(void) {
    DbeWorkArea* a = E().current();
    return a ? a->order : 0;
}

const char* dbe_IndexKey(void) {
    DbeWorkArea* a = E().current();
    const DbeIndex* index = a ? a->controlling() : nullptr;
    return E().give(index ? index->keyText() : std::string());
}

const char* dbe_IndexKeyField(void) {
    DbeWorkArea* a = E().current();
    const DbeIndex* index = a ? a->controlling() : nullptr;
    if (!index || index->keyField() < 0)
        return E().give(std::string());
    return E().give(DbeText::upper(a->file->layout()[size_t(index->keyField())].name));
}

int dbe_Seek(const char* key) {
    return guarded(0, [&] {
        DbeWorkArea* a = E().current();
        if (!a)
            return 0;
        a->found = false;
        const DbeIndex* index = a->controlling();
        if (!index || !key) {
            E().setError("no controlling index");
            return 0;
        }
        const std::string value = index->seekKey(key);
        int first = 0, last = 0;
        index->find(value, E().exact || E().seekWholeKey, &first, &last);
        // Only records the work area shows count as found.
        for (int p = first; p < last; ++p) {
            const int r = index->recNoAt(p);
            if (a->visible(r, E().hideDeleted)) {
                a->go(r);
                a->found = true;
                return 1;
            }
        }
        if (E().softSeek) {
            for (int p = index->after(value); p < index->size(); ++p) {
                if (a->visible(index->recNoAt(p), E().hideDeleted)) {
                    a->go(index->recNoAt(p));
                    return 0;
                }
            }
        }
        a->go(0);
        return 0;
    });
}

int dbe_Found(void) {
    DbeWorkArea* a = E().current();
    return a ? flag(a->found) : 0;
}

int dbe_CloseIndexes(void) {
    return guarded(0, [] {
        DbeWorkArea* a = E().current();
        if (!a)
            return 0;
        for (auto& index : a->orders)
            if (index->dirty())
                index->save(nullptr);
        a->orders.clear();
        a->order = 0;
        return 1;
    });
}

int dbe_CreateNew(const char* file, const char* alias, int driver, int fieldCount) {
    (void)driver;
    return guarded(0, [&] {
        const std::string path = str(file);
        const std::string name = str(alias);
        if (path.empty() || name.empty() || E().findAlias(name) || fieldCount < 1 || fieldCount > 1024) {
            E().setError("cannot create the table");
            return 0;
        }
        // The directory must take a new file now, so that a refusal comes here.
        const size_t slash = path.find_last_of('/');
        const std::string directory = slash == std::string::npos ? "."
                                      : slash == 0               ? "/"
                                                                 : path.substr(0, slash);
        if (access(directory.c_str(), W_OK) != 0) {
            E().setError(directory + ": cannot be written");
            return 0;
        }
        const int number = E().freeNumber();
        if (!number) {
            E().setError("no free work area");
            return 0;
        }
        auto a = std::make_unique<DbeWorkArea>(number, name.substr(0, 10));
        a->building = true;
        a->buildPath = path;
        a->buildFieldCount = fieldCount;
        E().workAreas[number] = std::move(a);
        E().selected = number;
        return number;
    });
}

int dbe_CreateField(const char* name, const char* type, int width, int decimals) {
    return guarded(0, [&] {
        DbeWorkArea* a = E().area(E().selected);
        if (!a || !a->building)
            return 0;
        const std::string n = DbeText::upper(str(name));
        const char t = type && *type ? char(DbeText::upper(std::string(1, *type))[0]) : '\0';
        bool ok = !n.empty() && n.size() <= 10 && n[0] >= 'A' && n[0] <= 'Z';
        for (char c : n)
            ok = ok && ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_');
        for (const auto& f : a->buildFields)
            ok = ok && f.name != n;
        switch (t) {
        case 'C':
            ok = ok && width >= 1 && width <= 254;
            decimals = 0;
            break;
        case 'N':
        case 'F':
            ok = ok && width >= 1 && width <= 20 && decimals >= 0 && (decimals == 0 || decimals <= width - 2);
            break;
        case 'L':
            width = 1;
            decimals = 0;
            break;
        case 'D':
            width = 8;
            decimals = 0;
            break;
        default:
            ok = false;
        }
        ok = ok && int(a->buildFields.size()) < a->buildFieldCount;
        if (!ok) {
            E().setError("field refused: " + n);
            a->buildFailed = true;
            return 0;
        }
        a->buildFields.push_back({n, t, width, decimals});
        return 1;
    });
}

int dbe_CreateExec(void) {
    return guarded(0, [] {
        DbeWorkArea* a = E().area(E().selected);
        if (!a || !a->building)
            return 0;
        return flag(E().createTable(*a));
    });
}

int dbe_CopyFile(const char* file) {
    return guarded(0, [&] {
        DbeWorkArea* a = E().current();
        if (!a)
            return 0;
        return flag(E().copyTable(*a, str(file)));
    });
}

} // extern "C"
