#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Sends one message with zeep, the way a Python script would: reads the
service description, calls sendSMS with the five texts and ends.

    zeep_send.py WSDL FROM_NAME FROM_NUMBER TO_NUMBER MESSAGE CULTURE
"""

import sys

import zeep


def main(wsdl, from_name, from_number, to_number, message, culture):
    client = zeep.Client(wsdl)
    client.service.sendSMS(from_name, from_number, to_number, message, culture)
    return 0


if __name__ == '__main__':
    sys.exit(main(*sys.argv[1:]))
