<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>QObject</name>
    <message>
        <source>Ohm</source>
        <translation>Ω</translation>
    </message>
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
    <message>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulated error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not establish connection with core</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not send command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not receive data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device &quot;%1&quot; does not respond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External battery is low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condensation inside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short circuit (detected by software)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short circuit (detected by hardware)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open circuit (detected by software)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External battery is low or short circuit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generator is overheated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code bug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N / A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>k</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mClockWidget</name>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mDeviceTableWidget</name>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mGPSWidget</name>
    <message>
        <source>GPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mLanguageWidget</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mMainWidget</name>
    <message>
        <source>MAIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEMPLATES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mReleaseWidget</name>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current version: XXX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mStatusBar</name>
    <message>
        <source>Moisture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ext. battery:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int. battery:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mSystemWidget</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mUpdateWidget</name>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download, install, restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mWarningDialog</name>
    <message>
        <source>Attention!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxAddModifyArrayDialog</name>
    <message>
        <source>Add / modify array</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Array:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxArrangementDialog</name>
    <message>
        <source>Edit arrangement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cables:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cable spacing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxCableConfigDialog</name>
    <message>
        <source>Ohm</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cable configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grounding check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check remote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic advance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop if failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail grounding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to reset current configuration?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to disable failed electrodes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxClockWidget</name>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxDataMenuWidget</name>
    <message>
        <source>Open session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find sessions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxDeviceTableWidget</name>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxERTLoader</name>
    <message>
        <source>A and B electrodes have equal positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M and N electrodes have equal positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header does not contain electrode %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header does not contains electrode %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open file for reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find the beginning of header (# X Y Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrodes section contains an empty line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrode number %1 is not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrode %1 appears more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrode %1 has a coordinate that is not a finite number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not read data from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(row: %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxERTTableDialog</name>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxERTTemplateWidget</name>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimate duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurements:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>runs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File exists, do you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open file for writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save this template?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxEngineerWidget</name>
    <message>
        <source>Setup and testing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please remove everything (except supply) connected to device sockets before starting every operation!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save log?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you ready to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did USB drive appear?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust Rx channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Rx channels adjustment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check A and B sockets and Rx channels for Tx monitoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Tx and Rx switches interconnections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check M and N sockets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Tx%1 and Rx%1 sockets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check 1...32 cable socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check 33...64 cable socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check LAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Tx low supply voltage protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Tx short circuit protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Tx output power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Tx output voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check 1...32 cable isolation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check 33...64 cable isolation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Tx operability (1 hour)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Rx channels polarity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Tx output current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check GPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Tx overheat protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Rx channels reproducibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please connect A and B sockets with resistor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please connect M and N sockets with resistor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please connect Tx%1 and Rx%1 sockets with resistor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resistance: %1 kOhm %2 %3 %,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resistance: %1 kOhm %2 %3 % or more,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resistance: %1 Ohm %2 %3 %,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resistance: %1 Ohm %2 %3 % or more,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. power: %1 W or more,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max power: %1 W or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max voltage: %1 V or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx channels are going to be adjusted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx channels are going to be tested.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please connect checking module to 1...32 socket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please connect checking module to 33...64 socket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please connect USB sockets of this device and
powered-on computer with USB cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please connect LAN sockets of this device and
local network with patch cord and wait for 20 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make supply voltage less than %1 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please connect A and B sockets with a wire to
make short circuit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please connect multi-electrode cable to 1...32 socket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please connect multi-electrode cable to 33...64 socket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS receiver is going to be tested.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please start heating Tx.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please connect reference voltage source (%1 %2 mV) to A and B sockets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPv4/IPv6 address: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detecting USB appearance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxFileTableDataModel</name>
    <message>
        <source>Cbl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qdps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxFileTableDialog</name>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxGPSWidget</name>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>low</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxKeyboardDialog</name>
    <message>
        <source>Input file name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timestamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name must not start with a dot</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxLanguageWidget</name>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxMainWidget</name>
    <message>
        <source>MAIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEMPLATES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxMoveDialog</name>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxOptionsWidget</name>
    <message>
        <source>Pulses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmitter voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>msec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relative standart deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min cycles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max cycles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESISTIVITY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxPasswordDialog</name>
    <message>
        <source>Enter password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxPseudoSectionPlot</name>
    <message>
        <source>Go to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected measurement?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxReleaseWidget</name>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uk</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxScaleDialog</name>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxSessionDataModel</name>
    <message>
        <source>Ohm</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>Can not open file for reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not read data from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session is corrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File exists, do you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open file for writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N / A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mV/V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP options were changed since last session. Change back?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP options of this session can not be restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurement center:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pseudo depth:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxSessionMenuWidget</name>
    <message>
        <source>Start new session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start new Varnex session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open previous session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find previous session</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxSessionModeDialog</name>
    <message>
        <source>Session mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cable segment to append:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxSessionWidget</name>
    <message>
        <source>Ohm</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous session was not finished. Start a new session and discard its measurements?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no measurements in session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is all done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save current session?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current set:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pseudo section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounding curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chargeability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P s e u d o  d e p t h  [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M e a s u r e m e n t  c e n t e r  [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A p p a r e n t  r e s i s t i v i t y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A p p a r e n t  c h a r g e a b i l i t y  [mV/V]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P
s
e
u
d
o

d
e
p
t
h

[m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A
p
p
a
r
e
n
t

r
e
s
i
s
t
i
v
i
t
y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A
p
p
a
r
e
n
t

c
h
a
r
g
e
a
b
i
l
i
t
y

[mV/V]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxSignalWidget</name>
    <message>
        <source>Bad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T i m e  [msec]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx

V
o
l
t
a
g
e

[V]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx

C
u
r
r
e
n
t

[mA]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx

V
o
l
t
a
g
e

[mV]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxSoundingCurvePlot</name>
    <message>
        <source>Go to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected measurement?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxStatusBar</name>
    <message>
        <source>Moisture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ext. battery:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int. battery:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System time seems to be invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxSystemWidget</name>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop all activities to exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop all activities to enter USB storage mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press OK to leave USB storage mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop all activities to enter engineer mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop all activities to update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxTemplateDataModel</name>
    <message>
        <source>Template contains too many measurements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template contains an empty set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not add one more set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set was cloned successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to remove current set?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to clear surrent set?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open file for reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not read data from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template is corrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File exists, do you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open file for writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not write data to file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxTemplateMenuWidget</name>
    <message>
        <source>New template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Varnex template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxTemplatePlot</name>
    <message>
        <source>Grounding is not checked yet, are you sure you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This quadripole contains disabled electrode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxTemplateWidget</name>
    <message>
        <source>Arrangement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimate duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check grounding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit arrangement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cables:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cable spacing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrodes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current set:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S
p
a
c
i
n
g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurements:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>runs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save this template?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxUpdateWidget</name>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download, install, restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update is available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no update yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloaded update is corrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restarting...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>woxWarningDialog</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
