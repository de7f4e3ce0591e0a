package net.cubeworks.world.process;

import java.io.File;
import java.nio.file.Files;
import java.sql.Connection;
import java.sql.DriverManager;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.ResultSetMetaData;
import java.sql.SQLException;
import java.sql.Statement;
import java.util.ArrayList;
import java.util.List;

/**
 * Drives xerial's SQLite driver through every kind of native call, to check the driver's native
 * layer it runs with (started with org.sqlite.lib.path and org.sqlite.lib.name naming ours).
 * Prints "native layer: N checks passed" and exits 0, or the first failure and exits 1.
 *
 * usage: java -cp DRIVER_JAR:. -Dorg.sqlite.lib.path=DIR -Dorg.sqlite.lib.name=FILE net.cubeworks.world.process.SqliteNativeCheck WORKDIR
 */
public class SqliteNativeCheck {
    private static int checks;

    private static void check(boolean ok, String what) {
        if (!ok) {
            throw new AssertionError(what);
        }
        checks++;
    }

    public static void main(String[] args) throws Exception {
        File dir = new File(args[0]);
        dir.mkdirs();
        File dbFile = new File(dir, "check.db");
        dbFile.delete();
        try {
            run(dir, dbFile);
        } catch (Throwable t) {
            System.out.println("native layer: FAILED after " + checks + " checks: " + t);
            t.printStackTrace(System.out);
            System.exit(1);
        }
        System.out.println("native layer: " + checks + " checks passed");
    }

    private static void run(File dir, File dbFile) throws Exception {
        String lib = System.getProperty("org.sqlite.lib.name");
        Connection c = DriverManager.getConnection("jdbc:sqlite:" + dbFile.getPath());
        if (new File("/proc/self/maps").isFile()) {
            check(new String(Files.readAllBytes(new File("/proc/self/maps").toPath())).contains(lib),
                    "the driver runs our native library " + lib);
        }
        check(c.getMetaData().getDatabaseProductVersion().startsWith("3."), "the library's version");
        Statement s = c.createStatement();
        s.executeUpdate("CREATE TABLE t (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL, data BLOB, "
                + "n INTEGER, r REAL)");
        PreparedStatement ins = c.prepareStatement("INSERT INTO t (name, data, n, r) VALUES (?, ?, ?, ?)");
        String unicode = "caf\u00e9 \u4e2d\u6587 \ud83d\ude00";
        ins.setString(1, unicode);
        ins.setBytes(2, new byte[] {0, 1, 2, (byte) 255});
        ins.setLong(3, 1L << 40);
        ins.setDouble(4, 2.5);
        check(ins.executeUpdate() == 1, "an insert counts one change");
        ins.setString(1, "");
        ins.setNull(2, java.sql.Types.BLOB);
        ins.setInt(3, -7);
        ins.setNull(4, java.sql.Types.REAL);
        ins.executeUpdate();
        ins.close();
        ResultSet r = s.executeQuery("SELECT id, name, data, n, r FROM t ORDER BY id");
        check(r.next(), "a first row");
        check(r.getString(2).equals(unicode), "text in and out, four-byte characters too: " + r.getString(2));
        byte[] data = r.getBytes(3);
        check(data.length == 4 && data[3] == (byte) 255, "a blob");
        check(r.getLong(4) == 1L << 40 && r.getDouble(5) == 2.5, "a long and a double");
        check(r.next() && r.getString(2).equals("") && r.getBytes(3) == null && r.getInt(4) == -7 && r.getObject(5) == null,
                "an empty text, nulls and an int");
        ResultSetMetaData md = r.getMetaData();
        check(md.getColumnCount() == 5 && md.getColumnName(2).equals("name"), "column names");
        check(md.getColumnTypeName(2).equalsIgnoreCase("TEXT"), "declared types");
        check(md.isAutoIncrement(1) && md.isNullable(2) == ResultSetMetaData.columnNoNulls, "column metadata");
        r.close();
        try {
            s.executeQuery("SELECT x FROM nowhere");
            check(false, "a bad query is refused");
        } catch (SQLException expected) {
            check(expected.getMessage().contains("no such table"), "the error's message: " + expected.getMessage());
        }
        try {
            s.executeUpdate("INSERT INTO t (name) VALUES (NULL)");
            check(false, "a constraint is kept");
        } catch (SQLException expected) {
            check(expected.getMessage().contains("NOT NULL"), "the constraint's message: " + expected.getMessage());
        }

        // functions, aggregates, collations
        org.sqlite.Function.create(c, "twice", new org.sqlite.Function() {
            protected void xFunc() throws SQLException {
                if (args() != 1) {
                    error("one argument");
                }
                result(value_int(0) * 2);
            }
        });
        r = s.executeQuery("SELECT twice(21)");
        check(r.next() && r.getInt(1) == 42, "a scalar function");
        try {
            s.executeQuery("SELECT twice(1, 2)");
            check(false, "a function's error");
        } catch (SQLException expected) {
            check(true, "a function's error is the query's");
        }
        org.sqlite.Function.create(c, "longest", new org.sqlite.Function.Aggregate() {
            private String best = "";

            protected void xStep() throws SQLException {
                String v = value_text(0);
                if (v != null && v.length() > best.length()) {
                    best = v;
                }
            }

            protected void xFinal() throws SQLException {
                result(best);
            }
        });
        s.executeUpdate("CREATE TABLE w (g INTEGER, word TEXT)");
        s.executeUpdate("INSERT INTO w VALUES (1, 'a'), (1, 'abc'), (2, 'xy'), (2, 'x')");
        r = s.executeQuery("SELECT g, longest(word) FROM w GROUP BY g ORDER BY g");
        check(r.next() && r.getString(2).equals("abc") && r.next() && r.getString(2).equals("xy"),
                "an aggregate, one object per group");
        org.sqlite.Function.create(c, "thrower", new org.sqlite.Function() {
            protected void xFunc() {
                throw new IllegalStateException("thrown in Java");
            }
        });
        try {
            s.executeQuery("SELECT thrower()");
            check(false, "a Java exception in a function");
        } catch (SQLException expected) {
            check(expected.getMessage().contains("thrown in Java"), "a Java exception is the query's error: "
                    + expected.getMessage());
        }
        org.sqlite.Collation.create(c, "REVERSE", new org.sqlite.Collation() {
            protected int xCompare(String a, String b) {
                return b.compareTo(a);
            }
        });
        r = s.executeQuery("SELECT word FROM w ORDER BY word COLLATE REVERSE LIMIT 1");
        check(r.next() && r.getString(1).equals("xy"), "a collation");
        org.sqlite.Function.destroy(c, "twice");

        // listeners and handlers
        final List<String> heard = new ArrayList<String>();
        org.sqlite.SQLiteConnection sc = c.unwrap(org.sqlite.SQLiteConnection.class);
        sc.addUpdateListener(new org.sqlite.SQLiteUpdateListener() {
            public void onUpdate(Type type, String database, String table, long rowId) {
                heard.add(type + " " + table + " " + rowId);
            }
        });
        sc.addCommitListener(new org.sqlite.SQLiteCommitListener() {
            public void onCommit() {
                heard.add("commit");
            }

            public void onRollback() {
                heard.add("rollback");
            }
        });
        s.executeUpdate("INSERT INTO w VALUES (3, 'z')");
        check(heard.contains("INSERT w 5") && heard.contains("commit"), "update and commit listeners: " + heard);
        final int[] progress = new int[1];
        org.sqlite.ProgressHandler.setHandler(c, 1, new org.sqlite.ProgressHandler() {
            protected int progress() {
                progress[0]++;
                return 0;
            }
        });
        s.executeQuery("SELECT count(*) FROM w").next();
        check(progress[0] > 0, "a progress handler");
        org.sqlite.ProgressHandler.clearHandler(c);
        org.sqlite.BusyHandler.setHandler(c, new org.sqlite.BusyHandler() {
            protected int callback(int nbPrevInvok) {
                return 0;
            }
        });
        org.sqlite.BusyHandler.clearHandler(c);

        // backup and restore
        File copy = new File(dir, "copy.db");
        copy.delete();
        s.executeUpdate("backup to " + copy.getPath());
        check(copy.length() > 0, "a backup");
        s.executeUpdate("DELETE FROM w");
        s.executeUpdate("restore from " + copy.getPath());
        r = s.executeQuery("SELECT count(*) FROM w");
        check(r.next() && r.getInt(1) == 5, "a restore");
        c.close();
        try {
            s.executeQuery("SELECT 1");
            check(false, "a closed connection refuses");
        } catch (SQLException expected) {
            check(true, "a closed connection refuses");
        }

        // a file that is no database is the driver's error, not a crash
        File junk = new File(dir, "junk.db");
        byte[] bytes = new byte[4096];
        java.util.Arrays.fill(bytes, (byte) 'x');
        Files.write(junk.toPath(), bytes);
        try {
            Connection j = DriverManager.getConnection("jdbc:sqlite:" + junk.getPath());
            j.createStatement().executeQuery("SELECT * FROM sqlite_master");
            check(false, "a corrupt file is refused");
        } catch (SQLException expected) {
            check(expected.getMessage().contains("not a database") || expected.getMessage().contains("NOTADB"),
                    "a corrupt file's message: " + expected.getMessage());
        }
    }
}
