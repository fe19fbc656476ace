# shellcheck shell=bash
# Where Debian comes from for the systems and build roots the checks make:
# the mirror this machine's apt uses, and the codenames of the releases.

# Debian's codename for a release number; anything else is taken as a codename.
codename() {
  case $1 in
    12) echo bookworm ;;
    13) echo trixie ;;
    *) echo "$1" ;;
  esac
}

# The Debian archive this machine's apt uses: the first `deb` source of a main
# suite (not -security, -updates or -backports), in either format apt reads.
apt_mirror() {
  {
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
      awk '$1 == "deb" { i = 2; if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ } if ($(i + 1) !~ /-/) print $i }'
    cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
      awk 'BEGIN { RS = ""; FS = "\n" }
           { types = uris = suites = ""; off = 0
             for (i = 1; i <= NF; i++) {
               if (sub(/^Types:/, "", $i)) types = " " $i " "
               else if (sub(/^URIs:/, "", $i)) uris = $i
               else if (sub(/^Suites:/, "", $i)) suites = $i
               else if ($i ~ /^Enabled:[ \t]*no/) off = 1
             }
             n = split(suites, s, /[ \t]+/); main = 0
             for (i = 1; i <= n; i++) if (s[i] != "" && s[i] !~ /-/) main = 1
             split(uris, u, /[ \t]+/)
             if (!off && main && types ~ /[ \t]deb[ \t]/) print (u[1] != "" ? u[1] : u[2]) }'
  } | grep -m 1 '/debian/\?$'
}
