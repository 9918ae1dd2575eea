#pragma once
// A recording of the measured-data lines that the instrument streams once it has left the
// programming mode. The link's receive thread hands each complete text over; it reaches this
// object on its own thread through a queued call, is appended to a temporary file and, when it
// is one well-formed line, announced for display. Stop closes the link without a disconnect
// (the instrument keeps sending) and ends the reception; the temporary file is then converted
// into the measured-data file.
//
// The recording dialog and hvxcli record are both thin users of this class.

#include "link/KelComm.h"
#include "model/Parametersatz.h"

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>

namespace hvx {

class CMessdatenAufzeichnung : public QObject {
    Q_OBJECT
public:
    enum class StartResult {
        Recording,   // the instrument streams, the lines are collected
        Failed,      // the link's or the program's message has been shown
        IntervalOff, // 420 shown: the instrument sends nothing
    };

    explicit CMessdatenAufzeichnung(QObject* parent = nullptr);
    // Closes a link that is still open.
    ~CMessdatenAufzeichnung() override;

    // Reads the parameter set, puts the instrument into sending mode and opens the temporary
    // file in the user's temporary directory.
    StartResult Start();
    // Ends the reception. True when a recording was running and its lines can be saved.
    bool Stop();
    // Asks for the measured-data file and converts into it; false when cancelled (the temporary
    // file then stays) or when the file cannot be written.
    bool SaveWithDialog();
    // Converts the temporary file into the file, deletes the temporary file and shows 423.
    bool ConvertTo(const QString& path);

    bool isRunning() const { return m_bRunning; }
    const Parametersatz& parametersatz() const { return m_image; }
    int intervalSeconds() const { return m_image.messdatenintervall(); }
    QString intervalText() const { return QString::number(intervalSeconds()); }
    QString temporaryPath() const { return m_strTempPath; }

Q_SIGNALS:
    // Every received text, as it was appended to the temporary file.
    void textReceived(const QByteArray& text);
    // The 12 fields of a text that is one well-formed line.
    void lineShown(const QStringList& fields);
    // The instrument vanished (the port failed) while recording; the link is still to be stopped.
    void linkLost();
    // A running recording has ended (by Stop, also after a write error of the temporary file).
    void ended();

private:
    void OnText(const QByteArray& text);
    bool OpenTemporaryFile();

    CKelComm m_link;
    Parametersatz m_image;
    bool m_bRunning = false;
    bool m_bFileError = false;
    QString m_strTempPath;
    QFile m_file;
};

} // namespace hvx
