#!/usr/bin/perl
# The two text edits of a fix with all three style options on, done the
# way a user would script them: every stylesheet loses its font sizes and
# gains the four @font-face rules, the body rule and the paragraph rule;
# every package document gains the four font items. Byte for byte what
# bindwell-cli writes, CR LF line breaks included.
#     stock_edits.pl FOLDER
use strict;
use warnings;
use File::Find;

my $top = shift or die "usage: stock_edits.pl FOLDER\n";
my $crlf = "\r\n";
my @stylesheet_order = (["italic", "normal", "LiberationSerif-Italic.ttf"],
                        ["normal", "normal", "LiberationSerif-Regular.ttf"],
                        ["italic", "bold", "LiberationSerif-BoldItalic.ttf"],
                        ["normal", "bold", "LiberationSerif-Bold.ttf"]);
my @manifest_order = (["LiberationSerif-Regular.ttf", "liber1"], ["LiberationSerif-Italic.ttf", "liber2"],
                      ["LiberationSerif-BoldItalic.ttf", "liber3"], ["LiberationSerif-Bold.ttf", "liber4"]);

sub slurp { open(my $in, "<:raw", $_[0]) or die "$_[0]: $!"; local $/; my $t = <$in>; return defined $t ? $t : ""; }
sub spew { open(my $out, ">:raw", $_[0]) or die "$_[0]: $!"; print $out $_[1], $crlf; close($out) or die; }

find({no_chdir => 1, wanted => sub {
    my $path = $File::Find::name;
    return unless -f $path;
    my $relative = substr($path, length($top) + 1);
    my $fonts = "../" x (() = $relative =~ m{/}g);
    if ($relative =~ /\.css$/i) {
        my $text = slurp($path);
        $text =~ s/font-size:[^;]+;//gi;
        $text .= $crlf;
        for my $face (@stylesheet_order) {
            $text .= "\@font-face {$crlf" . "font-style: $face->[0];$crlf" .
                     "font-family: 'Liberation', serif, sans-serif;$crlf" . "font-weight: $face->[1];$crlf" .
                     "src: url($fonts$face->[2]);$crlf" . "}$crlf";
        }
        $text .= "body { font-family: 'Liberation', serif, sans-serif; }$crlf";
        $text .= $crlf . "p { text-align: justify; }" . $crlf;
        spew($path, $text);
    } elsif ($relative =~ /content\.opf$/i) {
        my $items = join("", map { "<item href=\"$fonts$_->[0]\" media-type=\"application/octet-stream\" id=\"$_->[1]\"/>$crlf" } @manifest_order);
        my $text = slurp($path);
        $text =~ s/(<manifest[^>]*>)/$1$items/gi;
        spew($path, $text);
    }
}}, $top);
