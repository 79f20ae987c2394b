#pragma once
// Gathers the "data set changed" notices (MVCFrame/Daten.h) of the changes an automation client
// makes and tells the forms once a frame: each data set changed since the last frame once, with
// its values as they stand then. The calculation still runs inside the call, so the reply knows
// how it went and the next request reads the new results; only the pages' refresh and repaint
// wait for the frame. A client poking a thousand times a second so costs the page one refresh a
// frame instead of one a poke, and a call is answered without waiting for the page.
#include "MVCFrame/Daten.h" // the hook it stands in for

#include <QObject>
#include <QTimer>

#include <vector>

class TAenderungsSammler : public QObject {
    Q_OBJECT
public:
    // A little under 60 a second: a person watching sees every settled state.
    static constexpr int kBildMs = 16;

    explicit TAenderungsSammler(QObject* parent = nullptr);
    ~TAenderungsSammler() override;

    // While it lives (one call served), the notices are gathered instead of told.
    class TAufruf {
    public:
        explicit TAufruf(TAenderungsSammler& sammler);
        ~TAufruf();
        TAufruf(const TAufruf&) = delete;
        TAufruf& operator=(const TAufruf&) = delete;

    private:
        TDatenGeaendertHook m_vorher;
    };

    // Tells the gathered notices now, in the order the data sets first changed.
    void Melden();

private:
    void Sammeln(TDaten& daten);

    QTimer m_bild;
    std::vector<TDaten*> m_daten; // compared only until the registry says they still live
};
