#!/usr/bin/env python3
"""winget's manifests: YAML with their fields, each package's SHA-256 that of its file, the zip's
program inside it. check_winget.py manifest-dir package-dir app-id version"""
import hashlib, pathlib, sys, zipfile

import yaml

manifests, packages = map(pathlib.Path, sys.argv[1:3])
app_id, version = sys.argv[3:5]
problems = []
for suffix, kind, fields in [("", "version", ["DefaultLocale"]),
                             (".locale.en-US", "defaultLocale", ["PackageLocale", "Publisher",
                              "PackageName", "License", "ShortDescription"]),
                             (".locale.it-IT", "locale", ["ShortDescription"]),
                             (".locale.de-DE", "locale", ["ShortDescription"]),
                             (".installer", "installer", ["Installers"])]:
    doc = yaml.safe_load((manifests / f"{app_id}{suffix}.yaml").read_text(encoding="utf-8"))
    want = {"PackageIdentifier": app_id, "PackageVersion": version, "ManifestType": kind,
            "ManifestVersion": "1.12.0"}
    if suffix.startswith(".locale."):  # the locale its file is named by
        want["PackageLocale"] = suffix.removeprefix(".locale.")
    problems += [f"{kind}: {key} is {doc.get(key)!r}, not {value!r}"
                 for key, value in want.items() if doc.get(key) != value]
    problems += [f"{kind}: no {key}" for key in fields if not doc.get(key)]

installers = doc.get("Installers") or []  # the last manifest's
kinds = sorted((i.get("InstallerType"), i.get("NestedInstallerType")) for i in installers)
if kinds != [("nullsoft", None), ("zip", "portable")]:
    problems.append(f"installer types {kinds}")
for installer in installers:
    package = packages / installer.get("InstallerUrl", "").rsplit("/", 1)[-1]
    sha256 = package.is_file() and hashlib.sha256(package.read_bytes()).hexdigest().upper()
    if installer.get("Architecture") != "x64" or installer.get("InstallerSha256") != sha256:
        problems.append(f"{installer.get('InstallerUrl')}: not the x64 package of this build")
    elif installer.get("InstallerType") == "zip":
        names = zipfile.ZipFile(package).namelist()
        for nested in installer.get("NestedInstallerFiles") or [{}]:
            path = nested.get("RelativeFilePath", "").replace("\\", "/")
            if path not in names or not nested.get("PortableCommandAlias"):
                problems.append(f"{package.name}: no program {path!r} with an alias")

print("\n".join(problems) or f"winget: the manifests of {app_id} {version} match their packages")
sys.exit(1 if problems else 0)
