#include "link/port_discovery.h"

#include <gtest/gtest.h>

// The device instance IDs Windows gives serial ports, by the drivers that
// make them.
TEST(UsbIdsFromInstance, UsbAndFtdiIdsWithTheSerialNumberWhereThereIsOne) {
    SerialDevice cdc;
    ASSERT_TRUE(UsbIdsFromInstance("USB\\VID_2341&PID_0043\\75834353", cdc));
    EXPECT_TRUE(cdc.usb);
    EXPECT_EQ(cdc.vendorId + ":" + cdc.productId, "2341:0043");
    EXPECT_EQ(cdc.serialNumber, "75834353");
    EXPECT_EQ(DeviceDescription(cdc), "USB serial device (2341:0043, serial 75834353)");

    SerialDevice ftdi;
    ASSERT_TRUE(UsbIdsFromInstance("FTDIBUS\\VID_0403+PID_6001+A10K1ABCA\\0000", ftdi));
    EXPECT_EQ(ftdi.vendorId + ":" + ftdi.productId, "0403:6001");
    EXPECT_EQ(ftdi.serialNumber, "A10K1ABCA");

    // A composite device's interface: no serial of its own; hex digits in lower case.
    SerialDevice composite;
    ASSERT_TRUE(UsbIdsFromInstance("USB\\VID_10C4&PID_EA60&MI_00\\6&2A3B&0&0000", composite));
    EXPECT_EQ(composite.vendorId + ":" + composite.productId, "10c4:ea60");
    EXPECT_EQ(composite.serialNumber, "");

    SerialDevice other;
    for (const char* id : {"ACPI\\PNP0501\\1", "USB\\VID_12&PID_0043\\1", "USB", "",
                           "BTHENUM\\{00001101-0000-1000-8000-00805F9B34FB}_VID&0001_PID&0000"})
        EXPECT_FALSE(UsbIdsFromInstance(id, other)) << id;
    EXPECT_FALSE(other.usb);
}
