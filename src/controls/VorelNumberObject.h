#pragma once

#include "controls/NumberText.h"

#include <QObject>

namespace k9 {

// Bounds and decimals of a number edit. Each value is kept rounded to Decimales; the
// bounds never cross (a minimum above the maximum takes the maximum, and the other way
// round) and ActValor always lies within them.
class TVorelNumberObject : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int TipoDato READ tipoDatoIndex WRITE setTipoDatoIndex NOTIFY changed)
    Q_PROPERTY(bool NNegative READ NNegative WRITE setNNegative NOTIFY changed)
    Q_PROPERTY(double MinValor READ MinValor WRITE setMinValor NOTIFY changed)
    Q_PROPERTY(double MaxValor READ MaxValor WRITE setMaxValor NOTIFY changed)
    Q_PROPERTY(double ActValor READ ActValor WRITE setActValor NOTIFY changed)
    Q_PROPERTY(int Decimales READ Decimales WRITE setDecimales NOTIFY changed)

public:
    static constexpr double kDefaultMax = 9999999999999.99;
    static constexpr int kMaxDecimals = 10;

    explicit TVorelNumberObject(QObject *parent = nullptr);

    TDato TipoDato() const { return m_tipo; }
    void setTipoDato(TDato tipo);
    // NNegative is kept and copied only; negative input follows MinValor.
    bool NNegative() const { return m_nNegative; }
    void setNNegative(bool value);
    double MinValor() const { return m_min; }
    void setMinValor(double value);
    double MaxValor() const { return m_max; }
    void setMaxValor(double value);
    double ActValor() const { return m_act; }
    void setActValor(double value);
    int Decimales() const { return m_decimals; }
    void setDecimales(int decimals);

    // Copies every setting of `other`.
    void assign(const TVorelNumberObject &other);

signals:
    void changed();

private:
    int tipoDatoIndex() const { return static_cast<int>(m_tipo); }
    void setTipoDatoIndex(int index) { setTipoDato(index == 0 ? TDato::Entero : TDato::Reales); }
    double rounded(double value) const { return roundedTo(value, m_decimals); }

    TDato m_tipo = TDato::Reales;
    bool m_nNegative = false;
    double m_min = 0;
    double m_max = kDefaultMax;
    double m_act = 0;
    int m_decimals = 2;
};

} // namespace k9
