#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the Group Policy template in policies/: well-formed XML in the
ADMX/ADML namespace, every name the ADMX refers to (string, presentation,
category, supportedOn, element) defined in both languages' ADML, and its
registry values exactly the ones the program reads, under its key.

    tests/packaging/test_policies.py SOURCE_DIR
"""
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

NS = "{http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions}"
KEY = r"Software\Policies\gaokao-countdown"
REF = re.compile(r"\$\((string|presentation)\.([^)]+)\)")


def program_value_names(source):
    """What the program asks the registry for: the keys its preferences
    groups declare with a policy ({ u"name"_s, default, true })."""
    declared = re.compile(r'\{\s*u"(\w+)"_s,\s*(?:u"\w*"_s|\{\})\s*,\s*true\s*\}')
    keys = []
    for path in ("preferences/preferences.cpp", "core/boardoptions.cpp"):
        keys += declared.findall((source / path).read_text())
    return {k[0].upper() + k[1:] for k in keys}


def main(source):
    source = Path(source)
    errors = []
    admx = ET.parse(source / "policies/gaokao-countdown.admx").getroot()
    if admx.tag != NS + "policyDefinitions":
        errors.append(f"ADMX root is {admx.tag}")
    refs = {(kind, name) for kind, name in REF.findall(ET.tostring(admx, encoding="unicode"))}
    categories = {c.get("name") for c in admx.iter(NS + "category")}
    supported = {d.get("name") for d in admx.iter(NS + "definition")}
    value_names = set()
    controls = {}
    for policy in admx.iter(NS + "policy"):
        name = policy.get("name")
        if policy.get("key") != KEY or policy.get("class") not in ("User", "Machine", "Both"):
            errors.append(f"{name}: key {policy.get('key')}, class {policy.get('class')}")
        if policy.find(NS + "parentCategory").get("ref") not in categories:
            errors.append(f"{name}: no such category")
        if policy.find(NS + "supportedOn").get("ref") not in supported:
            errors.append(f"{name}: no such supportedOn")
        elements = policy.find(NS + "elements")
        if elements is None:
            value_names.add(policy.get("valueName"))
            for state in ("enabledValue", "disabledValue"):
                if policy.find(f"{NS}{state}/{NS}decimal") is None:
                    errors.append(f"{name}: no decimal {state}")
        else:
            presentation = REF.fullmatch(policy.get("presentation") or "")
            ids = {e.get("id") for e in elements}
            controls[presentation.group(2) if presentation else name] = ids
            value_names |= {e.get("valueName") for e in elements}
    expected = program_value_names(source)
    if value_names != expected:
        errors.append(f"values {sorted(value_names)}, the program reads {sorted(expected)}")
    string_ids = None
    for language in ("zh-CN", "en-US"):
        adml = ET.parse(source / f"policies/{language}/gaokao-countdown.adml").getroot()
        if adml.tag != NS + "policyDefinitionResources":
            errors.append(f"{language}: root is {adml.tag}")
        strings = {s.get("id") for s in adml.iter(NS + "string") if (s.text or "").strip()}
        presentations = {p.get("id"): {c.get("refId") for c in p} for p in adml.iter(NS + "presentation")}
        defined = {("string", s) for s in strings} | {("presentation", p) for p in presentations}
        errors += [f"{language}: {kind}.{name} undefined" for kind, name in sorted(refs - defined)]
        for presentation, ids in controls.items():
            if presentations.get(presentation) != ids:
                errors.append(f"{language}: presentation {presentation} is not for {sorted(ids)}")
        if string_ids is not None and strings != string_ids:
            errors.append(f"{language}: strings differ: {sorted(strings ^ string_ids)}")
        string_ids = strings
    for error in errors:
        print(error, file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
