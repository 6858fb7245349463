#pragma once
// What a running movie sees of its control, as the context property "MovieHost": it
// registers functions for outside callers and command properties, and reads the stage
// size. The control keeps the movie's plain variables here too.

#include <QHash>
#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QVariant>

class MovieHost : public QObject {
    Q_OBJECT
    Q_PROPERTY(int stageWidth READ stageWidth NOTIFY stageWidthChanged)
    Q_PROPERTY(int stageHeight READ stageHeight NOTIFY stageHeightChanged)
public:
    explicit MovieHost(QObject *parent = nullptr);

    // A function outside callers reach through CallFunction; a later one of the same name replaces it.
    Q_INVOKABLE void addCallback(const QString &name, const QJSValue &fn);
    // A command property: every assignment calls setterFn(value); reading it gives nothing.
    Q_INVOKABLE void addProperty(const QString &name, const QJSValue &setterFn);
    // A plain variable set from outside (undefined when never set).
    Q_INVOKABLE QVariant variable(const QString &name) const;

    int stageWidth() const { return m_stageWidth; }
    int stageHeight() const { return m_stageHeight; }
    void setStageSize(int width, int height);

    // The movie's root item, whose own properties take variables of their names.
    void setRootObject(QObject *root) { m_root = root; }

    bool hasCallback(const QString &name) const { return m_callbacks.contains(name); }
    QJSValue callback(const QString &name) const { return m_callbacks.value(name); }

    // Assigns a movie variable: command property, root property or plain variable.
    bool assignVariable(const QString &name, const QString &value);
    // A variable's text; empty for command properties and unknown names.
    QString readVariable(const QString &name) const;
    // Forgets everything the previous movie registered or set.
    void reset();

signals:
    void stageWidthChanged();
    void stageHeightChanged();
    void variableChanged(const QString &name, const QVariant &value);

private:
    QHash<QString, QJSValue> m_callbacks;
    QHash<QString, QJSValue> m_commandSetters;
    QHash<QString, QVariant> m_variables;
    QPointer<QObject> m_root;
    int m_stageWidth = 0;
    int m_stageHeight = 0;
};
