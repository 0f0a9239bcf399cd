// The instrument's command set: one checksummed exchange each, with the
// reply read the way the instrument writes it.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <ctime>

#include "Clock.h"
#include "Prompter.h"
#include "SerialPort.h"
#include "SlmLink.h"
#include "DownloadMonitor.h"
#include "XmodemReceiver.h"

namespace {

// Decimal number at the start of a reply (blanks first, optional sign with
// blanks after it, digits, a point and digits). False when no digit came.
bool ParseDecimal(const std::string& text, double& value)
{
    size_t i = 0;
    auto blanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    };
    blanks();
    double sign = 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        sign = text[i] == '-' ? -1 : 1;
        ++i;
        blanks();
    }
    double v = 0;
    bool digit = false;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, digit = true)
        v = v * 10 + (text[i] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 1;
        for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, digit = true) {
            scale /= 10;
            v += (text[i] - '0') * scale;
        }
    }
    if (digit)
        value = sign * v;
    return digit;
}

long ParseLong(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    long v = 0;
    std::from_chars(text.data() + i, text.data() + text.size(), v);
    return v;
}

bool EqualNoCase(const std::string& a, const char* b)
{
    std::string bs(b);
    return a.size() == bs.size() &&
           std::equal(a.begin(), a.end(), bs.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

char ReplyChar(const std::string& reply, size_t at) { return at < reply.size() ? reply[at] : '\0'; }

const struct {
    const char* name;
    int code;
} kApplications[] = {{"iSLM", 2}, {"sSLM", 1}, {"sSA ", 0}, {"SSA", 0}, {"ISM", 1}, {"LOG", 2}, {"ENV", 3},
                     {"RTA", 4},  {"FFT", 5},  {"AUD", 6},  {"TAL", 7}, {"VIB", 8}};

// Bytes the instrument adds to the "R182" size for its file's header and
// trailer, by application.
long ExtraBytes(int application)
{
    switch (application) {
    case SlmLink::APP_SSA: case SlmLink::APP_ISM: return 2304;
    case SlmLink::APP_LOG: return 3328;
    case SlmLink::APP_RTA: return 3968;
    case SlmLink::APP_FFT: return 7168;
    case SlmLink::APP_TAL: return 3584;
    default: return -1;
    }
}

const struct {
    int rate;
    int code;
} kBaudCodes[] = {{300, 0}, {1200, 1}, {2400, 2}, {9600, 3}, {19200, 4}, {28800, 5}, {57600, 6}, {115200, 7}};

}  // namespace

int SlmLink::Query(const std::string& command, std::string& reply, int max, int timeout)
{
    return SendCommand(command, &reply, max, timeout);
}

const std::string& SlmLink::GetSerialNumber()
{
    if (Query("R89", serialNumber_, 10, 2) != 0)
        serialNumber_.clear();
    WaitSeconds(0.1);
    return serialNumber_;
}

const std::string& SlmLink::GetIdentification()
{
    if (Query("R1", identification_, 25, 2) != 0)
        identification_.clear();
    WaitSeconds(0.1);
    return identification_;
}

const std::string& SlmLink::GetFirmwareRevision()
{
    if (Query("R90", firmwareRevision_, 25, 2) != 0)
        firmwareRevision_.clear();
    WaitSeconds(0.1);
    return firmwareRevision_;
}

double SlmLink::GetFirmwareVersion() const
{
    double version = 0.0;
    return ParseDecimal(firmwareRevision_.substr(0, 40), version) ? version : 0.0;
}

bool SlmLink::IsFirmwareVersionKnown() const
{
    double version = 0.0;
    return ParseDecimal(firmwareRevision_.substr(0, 40), version);
}

int SlmLink::GetApplicationCode()
{
    if (Query("R180", applicationName_, 10, 2) != 0) {
        applicationName_.clear();
        return APP_UNKNOWN;
    }
    for (const auto& app : kApplications)
        if (EqualNoCase(applicationName_, app.name))
            return app.code;
    return APP_UNKNOWN;
}

const std::string& SlmLink::GetActiveSetupName()
{
    if (Query("Q204", activeSetupName_, 10, 2) != 0)
        activeSetupName_.clear();
    return activeSetupName_;
}

std::string SlmLink::GetQ5Text()
{
    std::string reply;
    if (Query("Q5", reply, 40, 2) != 0)
        return {};
    return reply.substr(0, 30);
}

std::string SlmLink::GetTimeText(int number)
{
    std::string reply;
    if (Query("R" + std::to_string(number), reply, 40, 1) != 0)
        return "01Jan00 00:00:00";
    return reply;
}

int SlmLink::GetClock(int& year, int& month, int& day, int& hour, int& minute, int& second)
{
    year = 1980;
    month = day = 1;
    hour = minute = second = 0;
    std::string reply;
    int result = Query("R2", reply, 40, 1);
    if (result != 0 || reply.size() < 22)
        return result;
    auto number = [&](size_t at, size_t length) { return static_cast<int>(ParseLong(reply.substr(at, length))); };
    const std::string name = reply.substr(6, 3);
    switch (name[0]) {  // the instrument writes the month's first letter in upper case
    case 'A': month = EqualNoCase(name, "Aug") ? 8 : 4; break;
    case 'D': month = 12; break;
    case 'F': month = 2; break;
    case 'J': month = EqualNoCase(name, "Jan") ? 1 : EqualNoCase(name, "Jul") ? 7 : 6; break;
    case 'M': month = EqualNoCase(name, "May") ? 5 : 3; break;
    case 'N': month = 11; break;
    case 'O': month = 10; break;
    case 'S': month = 9; break;
    default: month = 1; break;
    }
    day = number(4, 2);
    year = number(9, 4);
    hour = number(14, 2);
    minute = number(17, 2);
    second = number(20, 2);
    return result;
}

int SlmLink::SetDate(const std::string& text)
{
    std::string reply;
    return Query("S7, " + text, reply, 40, 1);
}

int SlmLink::SetTime(const std::string& text)
{
    std::string reply;
    return Query("S6, " + text, reply, 40, 1);
}

int SlmLink::SetWeekday(int weekday)
{
    if (weekday < 0 || weekday > 7)
        return lastResult_ = NOT_AVAILABLE;
    std::string reply;
    return Query("S8, " + std::to_string(weekday), reply, 10, 1);
}

int SlmLink::SetClockFromPC()
{
    std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    char date[40], time[40];
    std::snprintf(date, sizeof date, "%02d/%02d/%02d", t.tm_mon + 1, t.tm_mday, t.tm_year > 99 ? t.tm_year - 100 : t.tm_year);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
    if (int r = SetDate(date); r != 0)
        return r;
    if (int r = SetTime(time); r != 0)
        return r;
    return SetWeekday(t.tm_wday + 1);
}

bool SlmLink::IsRunning()
{
    std::string reply;
    int result = Query("R3,1", reply, 10, 2);
    WaitSeconds(0.2);
    return result == 0 && ReplyChar(reply, 1) == 'R';
}

bool SlmLink::HasActiveMeasurement()
{
    std::string reply;
    if (Query("R3,1", reply, 10, 2) != 0)
        return false;
    char state = ReplyChar(reply, 1);
    return state != 'O' && state != 'p';
}

bool SlmLink::HasStoredData()
{
    std::string reply;
    Query("M4", reply, 10, 1);
    if (Query("R3,1", reply, 10, 1) != 0)
        return false;
    return ReplyChar(reply, 1) != 'p';
}

int SlmLink::GetStoredCount()
{
    std::string reply;
    int result = Query("R181", reply, 10, 2);
    WaitSeconds(0.25);
    if (result != 0)
        return 0;
    return static_cast<int>(std::max(0L, ParseLong(reply)));
}

long SlmLink::GetExpectedBytes()
{
    std::string reply;
    long bytes = Query("R182", reply, 20, 2) == 0 ? std::max(0L, ParseLong(reply)) : 0;
    long extra = ExtraBytes(GetApplicationCode());
    return extra < 0 ? 0 : bytes + extra;
}

int SlmLink::SelectFirstFile()
{
    std::string reply;
    return Query("F1,6", reply, 10, 2);
}

int SlmLink::ReadFileInfo(std::string& info)
{
    return Query("&F101", info, 256, 2);
}

int SlmLink::NextFile()
{
    std::string reply;
    return Query("A", reply, 10, 2);
}

int SlmLink::RecallItem(int index)
{
    platform::WaitCursor cursor;
    int count = GetStoredCount();
    if (lastResult_ != 0)
        return lastResult_;
    // No stored file is nothing to recall, not a success.
    if (count == 0 || index < 0 || index + 1 > count)
        return lastResult_ = NOT_AVAILABLE;
    std::string reply;
    if (int r = Query("F" + std::to_string(index + 1) + ",6", reply, 50, 2); r != 0)
        return r;
    if (int r = Query("&F102", reply, 50, 2); r != 0)
        return r;
    if (reply.find("WARNING - OVERALL RESET Required") != std::string::npos) {
        cursor.Restore();
        platform::Answer answer = platform::AppPrompter().Message(
            "Active measurement found on the J57.  Would you like to save the data?\n"
            "Press Yes to store the measurement to an J57 memory file or\n"
            "Press No to discard the measurement.",
            platform::Icon::Question, platform::Buttons::YesNo);
        if (int r = Query(answer == platform::IDYES ? "&F103" : "S1,1", reply, 50, 2); r != 0)
            return r;
        if (reply.empty() && Query("&F102", reply, 50, 2) != 0)
            return lastResult_;
    }
    // The refusal to look for is the recall's, not the idle wait's.
    const std::string recallReply = reply;
    if (int r = WaitIdle(); r != 0)
        return r;
    if (!recallReply.empty() && recallReply[0] == '\x07') {
        SetLastErrorReply(recallReply);
        return lastResult_ = NOT_AVAILABLE;
    }
    return lastResult_ = 0;
}

int SlmLink::WaitIdle()
{
    for (int seconds = 0; seconds <= kIdleLimitSeconds; ++seconds) {
        std::string reply;
        int64_t tick = platform::Clock::NowMs();
        if (Query("R3,1", reply, 40, 1) == 0 && ReplyChar(reply, 0) == ' ' && ReplyChar(reply, 1) != 'c')
            return 0;
        WaitSeconds(1.0, tick);
    }
    return lastResult_ = NOT_IDLE;
}

int SlmLink::WaitReady()
{
    platform::WaitCursor cursor;
    if (!port_)
        return lastResult_;
    int result = Sync();
    for (int retry = 0; retry < 2 && result != 0; ++retry) {
        WaitSeconds(1.0);
        result = Sync();
    }
    return result;
}

void SlmLink::Connect(int baud)
{
    platform::WaitCursor cursor;
    if (!port_)
        return;
    port_->SetBaud(9600);
    bool connected = false;
    for (int attempt = 0; attempt < 3 && !connected; ++attempt) {
        for (int i = 0; i < 3; ++i) {
            port_->SendBreak(300);
            WaitSeconds(0.25);
        }
        Sync();
        std::string reply;
        connected = Query("R1", reply, 200, 1) == 0 && reply.compare(0, 6, "Morvek") == 0;
    }
    if (!connected)
        return;
    int rate = 9600, code = 3;
    for (const auto& b : kBaudCodes)
        if (b.rate == baud) {
            rate = b.rate;
            code = b.code;
        }
    std::string reply;
    Query("S2283," + std::to_string(code), reply, 40, 1);
    port_->SetBaud(rate);
    Query("S9," + std::to_string(code), reply, 40, 1);
    Query("S11,1", reply, 40, 1);
    port_->FlushBoth();
}

const std::string& SlmLink::GetSsaBandwidth()
{
    if (Query("Q150", ssaBandwidth_, 10, 2) != 0)
        ssaBandwidth_.clear();
    ssaBandwidth_ = ssaBandwidth_.substr(0, 3);
    return ssaBandwidth_;
}

int SlmLink::SetSsaBandwidth(int value)
{
    std::string reply;
    return Query("S150," + std::to_string(value), reply, 100, 1);
}

int SlmLink::Run()
{
    std::string reply;
    return Query("M3", reply, 100, 1);
}

int SlmLink::Stop()
{
    std::string reply;
    return Query("M4", reply, 100, 1);
}

int SlmLink::PurgeAllData()
{
    Sync();
    std::string reply;
    Query("M4", reply, 100, 1);
    return Query("M7,2", reply, 100, 1);
}

double SlmLink::GetParam207()
{
    std::string reply;
    double value = 0.0;
    if (Query("Q207", reply, 20, 1) != 0 || !ParseDecimal(reply, value))
        return 0.0;
    return value;
}

int SlmLink::SetParam207(double value)
{
    char text[32];
    auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    std::string reply;
    return Query("S207," + std::string(text, ec == std::errc() ? end : text), reply, 100, 1);
}

int SlmLink::StartDownload(DownloadMonitor* monitor)
{
    receiver_.reset();
    if (!port_ || !port_->Serial() || !monitor)
        return lastResult_ = NOT_CONNECTED;
    receiver_ = std::make_unique<XmodemReceiver>(*port_->Serial(), *monitor);
    receiver_->SetExpectedBytes(monitor->GetExpectedBytes());
    std::string reply;
    int result = Query("X160", reply, 10, 2);
    if (result == 0 && reply.find('\x07') != std::string::npos) {
        // Refused ("No data", ...): nothing will come, and the instrument's
        // text stays as the last error reply for the caller to show.
        receiver_.reset();
        return lastResult_ = NOT_AVAILABLE;
    }
    WaitSeconds(1.0);
    return result;
}

int SlmLink::RunDownload(const std::string& fileName)
{
    if (!receiver_)
        return NO_RECEIVER;
    return receiver_->Receive(fileName);
}

void SlmLink::SendCancel()
{
    if (port_ && port_->Serial())
        for (int i = 0; i < 3; ++i)
            port_->Serial()->WriteChar(24);
}

void SlmLink::CancelDownload()
{
    SendCancel();
    receiver_.reset();
    Sync();
}
