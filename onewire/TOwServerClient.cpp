#include "onewire/TOwServerClient.h"

#include <QRegularExpression>
#include <QtEndian>

#include <array>
#include <stdexcept>

namespace {
constexpr int HeaderFields = 6;
constexpr int HeaderSize = HeaderFields * 4;
constexpr qint32 PingPayload = -1;
constexpr qint32 ReadMessage = 2;
constexpr qint32 DirAllMessage = 7;
constexpr qint32 BusListFlag = 0x02; // list the bus.N entries too
constexpr qint32 OwnetFlag = 0x100;  // a network client; also asks for device names as "01.2BC5FB000000"
constexpr qint32 MaxReadSize = 4096;

std::runtime_error broken(const QString& text) {
    return std::runtime_error(text.toStdString());
}

QByteArray header(const std::array<qint32, HeaderFields>& fields) {
    QByteArray bytes(HeaderSize, Qt::Uninitialized);
    for (int i = 0; i < HeaderFields; ++i)
        qToBigEndian(fields[size_t(i)], bytes.data() + 4 * i);
    return bytes;
}
} // namespace

TOwServerClient::TOwServerClient(const QString& address, const std::atomic<bool>* stop,
                                 std::chrono::milliseconds timeout)
    : stop(stop), timeout(timeout) {
    static const QRegularExpression form(
        QStringLiteral("^(?:\\[([0-9A-Fa-f:.]+)\\]|([A-Za-z0-9_.][A-Za-z0-9_.-]*))(?::([0-9]{1,5}))?$"));
    const auto match = form.match(address.trimmed());
    const int number = match.captured(3).isEmpty() ? DefaultPort : match.captured(3).toInt();
    if (!match.hasMatch() || number < 1 || number > 65535)
        throw broken(TOwServerClient::tr("\"%1\" is not a server address (host:port)").arg(address));
    host = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    port = quint16(number);
}

QStringList TOwServerClient::Listing(const QString& path) {
    const TAnswer answer = exchange(DirAllMessage, OwnetFlag | BusListFlag, path, 0);
    if (answer.result < 0)
        throw broken(TOwServerClient::tr("it refused to list %1 (error %2)").arg(path).arg(-answer.result));
    QByteArray text = answer.payload;
    while (text.endsWith('\0'))
        text.chop(1);
    if (text.contains('\0'))
        throw broken(TOwServerClient::tr("its listing holds a zero byte"));
    return QString::fromLatin1(text).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

std::optional<QByteArray> TOwServerClient::Read(const QString& path) {
    const TAnswer answer = exchange(ReadMessage, OwnetFlag, path, MaxReadSize);
    if (answer.result < 0)
        return std::nullopt;
    return answer.payload.left(answer.result);
}

TOwServerClient::TAnswer TOwServerClient::exchange(qint32 type, qint32 flags, const QString& path,
                                                   qint32 wanted) {
    const QByteArray name = path.toLatin1() + '\0';
    TTcpStream stream(host, port, TTcpStream::TClock::now() + timeout, stop);
    stream.Write(header({0, qint32(name.size()), type, flags, wanted, 0}) + name);
    return readAnswer(stream);
}

// Pings only say that the server still works; the deadline of the whole request bounds them.
TOwServerClient::TAnswer TOwServerClient::readAnswer(TTcpStream& stream) {
    for (;;) {
        const QByteArray bytes = stream.Read(HeaderSize);
        std::array<qint32, HeaderFields> field{};
        for (int i = 0; i < HeaderFields; ++i)
            field[size_t(i)] = qFromBigEndian<qint32>(bytes.constData() + 4 * i);
        const qint32 payload = field[1];
        if (payload == PingPayload)
            continue;
        if (payload < 0 || payload > MaxPayload)
            throw broken(TOwServerClient::tr("it announced an answer of %1 bytes").arg(payload));
        TAnswer answer;
        answer.result = field[2];
        answer.payload = stream.Read(payload);
        return answer;
    }
}
