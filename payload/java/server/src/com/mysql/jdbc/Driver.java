package com.mysql.jdbc;

import java.sql.Connection;
import java.sql.DriverManager;
import java.sql.DriverPropertyInfo;
import java.sql.SQLException;
import java.sql.SQLFeatureNotSupportedException;
import java.util.Properties;
import java.util.logging.Logger;

/**
 * The MySQL driver's name as CraftBukkit carried it (MySQL Connector/J 5.1), which plugins load
 * with Class.forName("com.mysql.jdbc.Driver") before they open a jdbc:mysql: URL. The connections
 * are MariaDB Connector/J's (Debian's libmariadb-java), which speaks the MySQL protocol and takes
 * jdbc:mysql: URLs.
 */
public class Driver implements java.sql.Driver {
    private final java.sql.Driver mariadb = new org.mariadb.jdbc.Driver();

    static {
        try {
            DriverManager.registerDriver(new Driver());
        } catch (SQLException ex) {
            throw new RuntimeException("Can't register driver!", ex);
        }
    }

    public Driver() throws SQLException {
    }

    public Connection connect(String url, Properties info) throws SQLException {
        return acceptsURL(url) ? mariadb.connect(url, info) : null;
    }

    /** jdbc:mysql: URLs (and the mysql:loadbalance and mysql:replication forms, which MariaDB's driver reads too). */
    public boolean acceptsURL(String url) throws SQLException {
        return url != null && url.startsWith("jdbc:mysql:") && mariadb.acceptsURL(url);
    }

    public DriverPropertyInfo[] getPropertyInfo(String url, Properties info) throws SQLException {
        return mariadb.getPropertyInfo(url, info);
    }

    /** Connector/J 5.1's version, which plugins of the era may print or check. */
    public int getMajorVersion() {
        return 5;
    }

    public int getMinorVersion() {
        return 1;
    }

    public boolean jdbcCompliant() {
        return false;
    }

    public Logger getParentLogger() throws SQLFeatureNotSupportedException {
        return mariadb.getParentLogger();
    }
}
