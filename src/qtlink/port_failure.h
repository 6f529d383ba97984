// Why a serial device did not open, said so that a person can act on it: the group to join
// when access is denied, the program that holds a device in use.
#pragma once

#include <QSerialPort>
#include <string>
#include <vector>

namespace torvik {

std::string OpenFailureText(const std::string& path, QSerialPort::SerialPortError error,
                            const std::string& systemText);

// True when the device did not open because this user may not use it (rather than because
// another program holds it): the user must join the serial group.
bool LacksPermission(const std::string& path, QSerialPort::SerialPortError error);

// What to do about it: 'Join the group "dialout" with: sudo usermod ... (then log out and in
// again).'
std::string JoinSerialGroupAdvice();

// The program holding the device, from its lock file ("name (process 1234)"); empty when
// there is no lock or its process is gone. The lock folders are those QSerialPort uses;
// tests pass their own.
std::string DeviceHolder(const std::string& path, const std::vector<std::string>& lockFolders = {
                                                      "/var/lock", "/run/lock", "/tmp"});

}  // namespace torvik
