#pragma once
// The link to the instrument for one user operation: the serial port with its receive thread,
// the request/response transactions of the byte protocol and the instrument's commands.
//
// Every operation returns 1 on success and 0 on failure; the cause is left in m_nStatus and
// shown as a numbered message. A failed transaction poisons the connection: received bytes are
// discarded until the next Connect, so later transactions time out.

#include "link/AlarmMemory.h"
#include "link/KelCommTimer.h"
#include "link/SerialPort.h"

#include <QByteArray>
#include <QtGlobal>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// Set by the receive thread once it runs; OpenConnection waits for it.
extern std::atomic<qint32> g_bCommThreadRunning;

class CKelComm {
public:
    // Result codes in m_nStatus.
    enum Status : qint32 {
        StatusOk = 0,
        StatusNoAck = 1,        // handshake answered, but not with ACK
        StatusTimeout = 2,
        StatusChecksum = 3,     // checksum error received, or NACK 'V' after sending
        StatusFatalNack = 4,
        StatusWriteFailed = 5,  // the command byte could not be written
        StatusPortFailed = 6,   // the port could not be opened
        StatusNoInstrument = 7, // the instrument did not answer the connect handshake
    };

    static constexpr int kRxBufferSize = 1000;
    static constexpr int kMaxBlockLength = kRxBufferSize - 2; // reply plus its checksum must fit
    static constexpr int kMaxMemoryReadLength = 255;
    static constexpr int kMaxMemoryWriteLength = 40;

    CKelComm();
    // Stops the receive thread and closes a port that is still open.
    virtual ~CKelComm();
    CKelComm(const CKelComm&) = delete;
    CKelComm& operator=(const CKelComm&) = delete;

    // --- port layer ---
    // Port number 1 = COM1; -1 = the configured port. Reads the time-outs anew on every call.
    int OpenConnection(int portNumber = -1);
    int SetupConnection();
    int CloseConnection();
    int WriteCommBlock(const quint8* bytes, int count);

    // --- connection ---
    int Open();
    int Close(int disconnect);
    int CheckComPort(int portNumber);

    // --- transactions ---
    int Connect();
    int Disconnect();
    int ReadBlock(quint8 command, quint8* buffer, int length);
    int WriteBlock(quint8 command, const quint8* data, int length, int progress);
    int ReadMemory(quint16 address, int length, quint8* buffer);
    int WriteMemory(quint16 address, int length, const quint8* data);
    // Sends one raw byte and collects whatever comes until the line is quiet. length receives
    // the count; buffer must hold kRxBufferSize bytes.
    int ServiceCommand(quint8 command, quint8* buffer, int& length);
    int SendPaced(const quint8* bytes, int count, int progress);
    // Ends a transaction: sets the status, shows the message with the port named and notes the
    // failure (LinkFailure.h). Returns 0.
    int Fail(Status status, int messageId);

    // --- the instrument's commands ---
    int ReadConfiguration(quint8* buffer); // 46 bytes
    int ReadParameters(quint8* buffer);    // 512 bytes
    int ReadDateTime(quint8* buffer);      // 7 bytes
    int WriteParameters(const quint8* data);
    int WriteDateTime(const quint8* data);
    int WriteServiceBlock(const quint8* data, int length);
    // The alarm memory: header, then each stored record, with progress. Records read before a
    // failure are kept in memory; returns 1 when every read succeeded.
    int ReadAlarms(hvx::AlarmMemory& memory);

    // --- measured data (the instrument streams text lines after a disconnect) ---
    // Called from the receive thread: onText with the complete lines of every read as soon as
    // they are there (several lines when they came together; the unfinished tail waits for the
    // next read), onLost once when the port fails, that is when the instrument has vanished.
    // A line longer than the receive buffer is dropped alone and logged. Neither may block.
    struct MesswerteSink {
        std::function<void(const QByteArray&)> onText;
        std::function<void()> onLost;
    };
    // Starts handing received texts to the sink; it stays installed until the port is closed.
    // Returns 0 when the port is not open.
    int ReceiveMesswerte(MesswerteSink sink);

    // Receive thread: moves up to maximum waiting bytes into the receive buffer.
    int ReadCommBlock(quint8* buffer, int maximum);

    std::shared_ptr<hvx::ISerialPort> m_hPort; // null when closed
    std::atomic<qint32> m_bOpen{0};
    std::atomic<qint32> m_bConnected{0};
    std::atomic<quint32> m_dwThreadId{0};
    std::thread m_hThread;
    quint8 m_RxBuffer[kRxBufferSize] = {};
    std::atomic<qint32> m_nRxCount{0};
    std::atomic<qint32> m_nStatus{0};
    int m_nResponseTO1 = 1000;
    int m_nResponseTO2 = 2000;
    int m_nResponseThreadTO = 2000;
    int m_nNoDeviceSendTO = 100;
    int m_nTimeBetweenBytes = 1;
    int m_nPortNumber = 0; // of the last OpenConnection (1 = COM1)

    // How the acknowledgement of a command byte is awaited.
    struct AckWait {
        bool exactlyOneByte;
        int timeoutMessage;
        bool timeoutIsStatus; // a time-out sets m_nStatus to StatusTimeout
    };

private:
    struct ReceiveLink;
    static void CommTread(std::shared_ptr<ReceiveLink> link);

    void ReadProtocolTimeouts();
    hvx::SerialTimeouts ReadPortTimeouts() const;
    int FailOpen(const char* text); // logs the port's error, closes it, returns 0
    bool StartReceiveThread();
    void StopReceiveThread();

    // Answers: the caller clears the count before a request; the receive thread appends.
    void ClearReceived();
    int Received() const { return m_nRxCount.load(); }
    // Waits until done() holds (true) or timeoutMs passes after the timer's start (false).
    bool WaitFor(CKelCommTimer& timer, int timeoutMs, const std::function<bool()>& done);
    bool WaitForCount(CKelCommTimer& timer, int timeoutMs, int count);
    bool WaitForAnyByte(CKelCommTimer& timer, int timeoutMs);
    // Returns true when no byte has come for quietMs, false when the limit came first.
    bool WaitForQuiet(CKelCommTimer& timer, int quietMs, std::optional<CKelCommTimer::Clock::time_point> limit);
    // Status reset, command byte sent, stale received bytes dropped; false (status 5) when the
    // byte could not be written.
    bool SendCommandAfresh(quint8 command);
    // How long an answer of unknown length with this quiet time may last as a whole: the wait
    // for its first byte, the quiet time and a margin for the bytes in between.
    int HandshakeLimitMs(int quietMs) const;
    // An answer of unknown length: true when a first byte came in time and the line has then
    // been quiet for quietMs, all within limitMs of the start (if given).
    bool ReceiveUntilQuiet(int firstByteTimeoutMs, int quietMs, std::optional<int> limitMs);
    // Checks the checksum after length received bytes; copies them to buffer when it matches.
    bool TakeCheckedBlock(quint8* buffer, int length);
    // The command byte, then its first answer byte, which must be ACK (else message 290).
    bool SendCommandExpectAck(quint8 command, const AckWait& wait);
    // A data reply of length bytes and its checksum; copied to buffer when the checksum matches.
    int ReceiveCheckedBlock(quint8* buffer, int length);
    // The block, then its checksum high byte first, paced.
    void SendWithChecksum(const quint8* data, int length, int progress);
    // The message with the port named, and the failure noted; the status is left alone.
    void ShowFailure(Status cause, int messageId);

    // Under m_rxMutex, while a measured-data sink is installed: takes received bytes into the
    // buffer and hands on every complete line.
    void TakeMesswerte(const quint8* bytes, int count, std::unique_lock<std::mutex>& lock);
    void PassMesswerte(std::unique_lock<std::mutex>& lock);
    void ReportLinkLost();

    std::shared_ptr<ReceiveLink> m_receiveLink;
    MesswerteSink m_messwerteSink; // guarded by m_rxMutex
    bool m_bSkippingOverlongLine = false; // guarded by m_rxMutex
    std::mutex m_rxMutex;
    std::condition_variable m_rxSignal;
};
