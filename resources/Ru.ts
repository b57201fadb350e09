<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Wenner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlumberger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dipole-Dipole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward Pole-Dipole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backward Pole-Dipole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pole-Pole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reciprocal Wenner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reciprocal Schlumberger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reciprocal Dipole-Dipole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reciprocal Pole-Pole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reciprocal Gradient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Core</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal battery indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External battery indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moisture indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real-time clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference voltage unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output voltage receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output current receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmitter switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown array</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input voltage receiver %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input voltage receiver %1 switch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mWarningDialog</name>
    <message>
        <source>Attention!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>woxWarningDialog</name>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Attention!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
