<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>לא ניתן ליצור את התיקייה %1.</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>לא ניתן להסיר את %1: %2</translation>
    </message>
</context>
<context>
    <name>LibraryMessages</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>ערך לא תקין לקידוד תאריך</translation>
    </message>
    <message>
        <source>Invalid Jewish Month</source>
        <translation>חודש עברי לא תקין</translation>
    </message>
    <message>
        <source>System Error in Calculating days in months</source>
        <translation>שגיאת מערכת בחישוב מספר הימים בחודשים</translation>
    </message>
    <message>
        <source>System Error in Converting Date</source>
        <translation>שגיאת מערכת בהמרת תאריך</translation>
    </message>
    <message>
        <source>The Jewish date is not a valid date, such as &quot;3 Kislev 5731&quot;.</source>
        <translation>התאריך העברי אינו תאריך תקין, כגון &quot;ג׳ כסלו תשל״א&quot; או &quot;3 Kislev 5731&quot;.</translation>
    </message>
    <message>
        <source>The Jewish date lies outside the years the calendar can show.</source>
        <translation>התאריך העברי נמצא מחוץ לשנים שהלוח יכול להציג.</translation>
    </message>
    <message>
        <source>The Jewish date does not exist: %1 is a common year, which has no Adar I.</source>
        <translation>התאריך העברי אינו קיים: %1 היא שנה פשוטה, שאין בה אדר א׳.</translation>
    </message>
    <message>
        <source>The Jewish date does not exist: %1 is a common year, which has no Adar II.</source>
        <translation>התאריך העברי אינו קיים: %1 היא שנה פשוטה, שאין בה אדר ב׳.</translation>
    </message>
    <message>
        <source>The Jewish date does not exist: %1 has %2 days in %3.</source>
        <translation>התאריך העברי אינו קיים: בחודש %1 יש %2 ימים בשנת %3.</translation>
    </message>
    <message>
        <source>Enter the date of the occasion, or its Jewish date.</source>
        <translation>הקלידו את תאריך האירוע, או את התאריך העברי שלו.</translation>
    </message>
    <message>
        <source>The date is not a valid date.</source>
        <translation>התאריך אינו תאריך תקין.</translation>
    </message>
    <message>
        <source>The Jewish date is not a valid date.</source>
        <translation>התאריך העברי אינו תאריך תקין.</translation>
    </message>
    <message>
        <source>The name of the occasion is not valid text.</source>
        <translation>שם האירוע אינו טקסט תקין.</translation>
    </message>
    <message>
        <source>The name of the occasion must have 1 to 100 characters.</source>
        <translation>שם האירוע חייב להכיל 1 עד 100 תווים.</translation>
    </message>
    <message>
        <source>The name of the occasion may not hold control characters.</source>
        <translation>שם האירוע אינו יכול להכיל תווי בקרה.</translation>
    </message>
    <message>
        <source>The name of the occasion has blanks at its ends.</source>
        <translation>בקצות שם האירוע יש רווחים.</translation>
    </message>
    <message>
        <source>The number of days before must be a whole number from 0 to 365.</source>
        <translation>מספר הימים מראש חייב להיות מספר שלם מ־0 עד 365.</translation>
    </message>
    <message>
        <source>The kind of reminder is not known.</source>
        <translation>סוג התזכורת אינו מוכר.</translation>
    </message>
    <message>
        <source>The kind of date is not known.</source>
        <translation>סוג התאריך אינו מוכר.</translation>
    </message>
    <message>
        <source>The custom for a missing day is not known.</source>
        <translation>המנהג ליום החסר אינו מוכר.</translation>
    </message>
    <message>
        <source>The date of burial is not a valid date.</source>
        <translation>תאריך הקבורה אינו תאריך תקין.</translation>
    </message>
    <message>
        <source>The date of burial is before the date.</source>
        <translation>תאריך הקבורה קודם לתאריך.</translation>
    </message>
    <message>
        <source>The dates to remember cannot be saved in &quot;%1&quot;.</source>
        <translation>לא ניתן לשמור את התאריכים לזכור בקובץ &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The dates to remember in &quot;%1&quot; cannot be read: the file is damaged or was not written by Mirvane. It is left as it is.</source>
        <translation>לא ניתן לקרוא את התאריכים לזכור שבקובץ &quot;%1&quot;: הקובץ פגום או שלא נכתב על ידי Mirvane. הוא נשאר כפי שהוא.</translation>
    </message>
    <message>
        <source>The dates to remember in &quot;%1&quot; could not be read: the file is damaged or was not written by Mirvane. It was moved to &quot;%2&quot; and a new list begins.</source>
        <translation>לא ניתן היה לקרוא את התאריכים לזכור שבקובץ &quot;%1&quot;: הקובץ פגום או שלא נכתב על ידי Mirvane. הוא הועבר אל &quot;%2&quot; ורשימה חדשה מתחילה.</translation>
    </message>
    <message>
        <source>The dates to remember in &quot;%1&quot; could not be read, and the file could not be moved aside (%2). It is left as it is; changes cannot be saved.</source>
        <translation>לא ניתן היה לקרוא את התאריכים לזכור שבקובץ &quot;%1&quot;, וגם לא להעביר את הקובץ הצידה (%2). הוא נשאר כפי שהוא; לא ניתן לשמור שינויים.</translation>
    </message>
    <message>
        <source>The dates to remember cannot be changed: &quot;%1&quot; cannot be read.</source>
        <translation>לא ניתן לשנות את התאריכים לזכור: לא ניתן לקרוא את &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The dates to remember in &quot;%1&quot; were saved by a newer version of Mirvane. They are shown, but changes cannot be saved.</source>
        <translation>התאריכים לזכור שבקובץ &quot;%1&quot; נשמרו על ידי גרסה חדשה יותר של Mirvane. הם מוצגים, אך לא ניתן לשמור שינויים.</translation>
    </message>
    <message>
        <source>The dates to remember were saved by a newer version of Mirvane and cannot be changed.</source>
        <translation>התאריכים לזכור נשמרו על ידי גרסה חדשה יותר של Mirvane ולא ניתן לשנותם.</translation>
    </message>
    <message>
        <source>The dates to remember in &quot;%1&quot; cannot be read.</source>
        <translation>לא ניתן לקרוא את התאריכים לזכור שבקובץ &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The dates to remember in &quot;%1&quot; cannot be read. Changes cannot be saved.</source>
        <translation>לא ניתן לקרוא את התאריכים לזכור שבקובץ &quot;%1&quot;. לא ניתן לשמור שינויים.</translation>
    </message>
    <message>
        <source>The dates to remember are open for reading only.</source>
        <translation>התאריכים לזכור פתוחים לקריאה בלבד.</translation>
    </message>
    <message>
        <source>The dates to remember in &quot;%1&quot; are read-only; changes cannot be saved.</source>
        <translation>התאריכים לזכור שבקובץ &quot;%1&quot; פתוחים לקריאה בלבד; לא ניתן לשמור שינויים.</translation>
    </message>
    <message>
        <source>There is no date to remember with the id %1.</source>
        <translation>אין תאריך לזכור שמספר הזיהוי שלו %1.</translation>
    </message>
    <message>
        <source>The dates to remember cannot be read: %1.</source>
        <translation>לא ניתן לקרוא את התאריכים לזכור: %1.</translation>
    </message>
    <message>
        <source>The dates to remember cannot be used: %1.</source>
        <translation>לא ניתן להשתמש בתאריכים לזכור: %1.</translation>
    </message>
    <message>
        <source>the place list %1 cannot be read</source>
        <translation>לא ניתן לקרוא את רשימת המקומות %1</translation>
    </message>
    <message>
        <source>the place list %1 is damaged: it does not begin with its header</source>
        <translation>רשימת המקומות %1 פגומה: היא אינה מתחילה בשורת הכותרת שלה</translation>
    </message>
    <message>
        <source>the place list %1 is damaged at line %2</source>
        <translation>רשימת המקומות %1 פגומה בשורה %2</translation>
    </message>
    <message>
        <source>the place list %1 is damaged: it holds no place</source>
        <translation>רשימת המקומות %1 פגומה: אין בה אף מקום</translation>
    </message>
    <message>
        <source>an iCalendar file cannot hold the date %1</source>
        <translation>קובץ iCalendar אינו יכול להכיל את התאריך %1</translation>
    </message>
    <message>
        <source>an iCalendar file cannot hold the year %1</source>
        <translation>קובץ iCalendar אינו יכול להכיל את השנה %1</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>אין תאריך</translation>
    </message>
    <message>
        <source>no such day: &quot;%1&quot;</source>
        <translation>אין יום כזה: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>כבר ברשימה</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text. Save it as UTF-8 and import it again.</source>
        <translation>הקובץ אינו טקסט UTF-8. שמרו אותו כ-UTF-8 וייבאו שוב.</translation>
    </message>
    <message>
        <source>The file is not a calendar file (.ics), a CSV list or a GEDCOM file.</source>
        <translation>הקובץ אינו קובץ לוח שנה (‎.ics), רשימת CSV או קובץ GEDCOM.</translation>
    </message>
    <message>
        <source>The file ends inside the quoted field that begins on line %1: it may have been cut short.</source>
        <translation>הקובץ מסתיים בתוך השדה המצוטט שמתחיל בשורה %1: ייתכן שהוא נקטע.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>הקובץ ריק.</translation>
    </message>
    <message>
        <source>The file&apos;s first line names no name column and date column, as a list of dates has.</source>
        <translation>השורה הראשונה של הקובץ אינה מציינת עמודת שם ועמודת תאריך, כפי שיש ברשימת תאריכים.</translation>
    </message>
    <message>
        <source>The calendar file ends before END:VCALENDAR: it may have been cut short.</source>
        <translation>קובץ לוח השנה מסתיים לפני END:VCALENDAR: ייתכן שהוא נקטע.</translation>
    </message>
    <message>
        <source>The file is not a calendar that can be read.</source>
        <translation>הקובץ אינו לוח שנה שניתן לקרוא.</translation>
    </message>
    <message>
        <source>Line %1 is not a GEDCOM line: the file may be damaged.</source>
        <translation>שורה %1 אינה שורת GEDCOM: ייתכן שהקובץ פגום.</translation>
    </message>
    <message>
        <source>The file has no GEDCOM header (0 HEAD).</source>
        <translation>לקובץ אין כותרת GEDCOM ‏(0 HEAD).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a list of dates.</source>
        <translation>&quot;%1&quot; גדול מכדי להיות רשימת תאריכים.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2.</source>
        <translation>לא ניתן לקרוא את &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The server answered %1 to the listing of the calendar at %2. Sync again later; if it goes on, check the server.</source>
        <translation>השרת השיב %1 לבקשת רשימת לוח השנה בכתובת %2. יש לסנכרן שוב מאוחר יותר; אם זה נמשך, יש לבדוק את השרת.</translation>
    </message>
    <message>
        <source>The server answered %1 to reading events at %2. Sync again later; if it goes on, check the server.</source>
        <translation>השרת השיב %1 לקריאת האירועים בכתובת %2. יש לסנכרן שוב מאוחר יותר; אם זה נמשך, יש לבדוק את השרת.</translation>
    </message>
    <message>
        <source>The server answered %1 to storing an event at %2. Sync again later; if it goes on, check the server.</source>
        <translation>השרת השיב %1 לשמירת אירוע בכתובת %2. יש לסנכרן שוב מאוחר יותר; אם זה נמשך, יש לבדוק את השרת.</translation>
    </message>
    <message>
        <source>The server answered %1 to removing an event at %2. Sync again later; if it goes on, check the server.</source>
        <translation>השרת השיב %1 להסרת אירוע בכתובת %2. יש לסנכרן שוב מאוחר יותר; אם זה נמשך, יש לבדוק את השרת.</translation>
    </message>
    <message>
        <source>The server&apos;s answer to the listing of the calendar at %1 could not be read. Sync again later.</source>
        <translation>לא ניתן היה לקרוא את תשובת השרת לבקשת רשימת לוח השנה בכתובת %1. יש לסנכרן שוב מאוחר יותר.</translation>
    </message>
    <message>
        <source>The server&apos;s answer to reading events at %1 could not be read. Sync again later.</source>
        <translation>לא ניתן היה לקרוא את תשובת השרת לקריאת האירועים בכתובת %1. יש לסנכרן שוב מאוחר יותר.</translation>
    </message>
    <message>
        <source>The calendar %1 is no longer on the server. Choose a calendar again in Options &gt; Calendar Account (or give --calendar).</source>
        <translation>לוח השנה %1 כבר אינו בשרת. יש לבחור לוח שנה מחדש באפשרויות &gt; חשבון לוח שנה (או לתת ‎--calendar).</translation>
    </message>
    <message>
        <source>The server %1 did not answer within %2 seconds. Check the network and the address, then sync again.</source>
        <translation>השרת %1 לא ענה תוך %2 שניות. יש לבדוק את הרשת ואת הכתובת, ואז לסנכרן שוב.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified (%2), so Mirvane does not connect to it. Ask the server&apos;s administrator for a valid certificate.</source>
        <translation>לא ניתן היה לאמת את האישור (certificate) של %1 ‏(%2), ולכן Mirvane אינו מתחבר אליו. יש לבקש ממנהל השרת אישור תקף.</translation>
    </message>
    <message>
        <source>The server %1 was not found. Check the address and the network connection.</source>
        <translation>השרת %1 לא נמצא. יש לבדוק את הכתובת ואת החיבור לרשת.</translation>
    </message>
    <message>
        <source>The server %1 cannot be reached (%2). Check the network connection and the address, then sync again.</source>
        <translation>אין אפשרות להגיע לשרת %1 ‏(%2). יש לבדוק את החיבור לרשת ואת הכתובת, ואז לסנכרן שוב.</translation>
    </message>
    <message>
        <source>The connection to %1 was broken before its answer was complete. Sync again; what was sent is not sent twice.</source>
        <translation>החיבור אל %1 נותק לפני שתשובתו הושלמה. יש לסנכרן שוב; מה שכבר נשלח לא יישלח פעמיים.</translation>
    </message>
    <message>
        <source>The exchange with %1 failed (%2). Sync again later.</source>
        <translation>התקשורת עם %1 נכשלה (%2). יש לסנכרן שוב מאוחר יותר.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address; give one such as https://cloud.example.org.</source>
        <translation>&quot;%1&quot; אינו כתובת של שרת; יש לתת כתובת כגון https://cloud.example.org.</translation>
    </message>
    <message>
        <source>The password would be sent unencrypted to %1: use https:// (plain http:// is only for this machine).</source>
        <translation>הסיסמה הייתה נשלחת אל %1 ללא הצפנה: יש להשתמש ב-https://‎ (http://‎ רגיל מותר רק למחשב זה).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address; give one beginning with https://.</source>
        <translation>&quot;%1&quot; אינו כתובת אינטרנט; יש לתת כתובת המתחילה ב-https://.</translation>
    </message>
    <message>
        <source>%1 refused the user name or password. Check them (the server may want an app password) and sync again.</source>
        <translation>%1 דחה את שם המשתמש או את הסיסמה. יש לבדוק אותם (ייתכן שהשרת דורש סיסמת יישום) ולסנכרן שוב.</translation>
    </message>
    <message>
        <source>%1 does not let user %2 use %3. Choose another calendar.</source>
        <translation>%1 אינו מרשה למשתמש %2 להשתמש ב-%3. יש לבחור לוח שנה אחר.</translation>
    </message>
    <message>
        <source>%1 sends Mirvane on to %2; give that address instead.</source>
        <translation>%1 מפנה את Mirvane אל %2; יש לתת כתובת זו במקומה.</translation>
    </message>
    <message>
        <source>%1 does not answer as a CalDAV server. Check the address: give the server&apos;s address or the calendar&apos;s own, as its provider names it.</source>
        <translation>%1 אינו עונה כשרת CalDAV. יש לבדוק את הכתובת: לתת את כתובת השרת או את כתובת לוח השנה עצמו, כפי שהספק שלו מציין אותה.</translation>
    </message>
    <message>
        <source>The address names one calendar, so no other can be made there; give the server&apos;s address instead.</source>
        <translation>הכתובת מציינת לוח שנה אחד, ולכן אי אפשר ליצור שם לוח שנה אחר; יש לתת את כתובת השרת במקומה.</translation>
    </message>
    <message>
        <source>The server did not make the calendar &quot;%1&quot; (it answered %2). Make it on the server, then choose it.</source>
        <translation>השרת לא יצר את לוח השנה &quot;%1&quot; (הוא השיב %2). יש ליצור אותו בשרת, ואז לבחור בו.</translation>
    </message>
    <message>
        <source>The event %1 keeps changing on the server; sync again later.</source>
        <translation>האירוע %1 משתנה בשרת שוב ושוב; יש לסנכרן שוב מאוחר יותר.</translation>
    </message>
    <message>
        <source>The event at %1 keeps changing on the server; sync again later.</source>
        <translation>האירוע בכתובת %1 משתנה בשרת שוב ושוב; יש לסנכרן שוב מאוחר יותר.</translation>
    </message>
</context>
<context>
    <name>LocalDue</name>
    <message>
        <source>Yahrzeit: %1</source>
        <translation>יארצייט: %1</translation>
    </message>
    <message>
        <source>Birthday: %1</source>
        <translation>יום הולדת: %1</translation>
    </message>
    <message>
        <source>Anniversary: %1</source>
        <translation>יום נישואין: %1</translation>
    </message>
    <message>
        <source>today</source>
        <translation>היום</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>מחר</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>בעוד יום אחד</numerusform>
            <numerusform>בעוד %n ימים</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>occasion, date, when it is due</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>in 2 days</source>
        <translation>בעוד יומיים</translation>
    </message>
</context>
<context>
    <name>ReminderCheck</name>
    <message>
        <source>Dates to remember</source>
        <translation>תאריכים לזכור</translation>
    </message>
    <message>
        <source>Open Mirvane</source>
        <translation>פתיחת מירווין</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>לא ניתן לכתוב את %1: %2</translation>
    </message>
</context>
<context>
    <name>mirvane::TBackgroundSync</name>
    <message>
        <source>Syncing…</source>
        <translation>מסנכרן…</translation>
    </message>
    <message>
        <source>Not synced: the password is needed</source>
        <translation>לא סונכרן: נדרשת הסיסמה</translation>
    </message>
    <message>
        <source>Not synced: %1</source>
        <translation>לא סונכרן: %1</translation>
    </message>
    <message>
        <source>Synced %1</source>
        <translation>סונכרן %1</translation>
    </message>
</context>
<context>
    <name>mirvane::TBirthdaysTab</name>
    <message>
        <source> eg. 12/1/70</source>
        <translation> לדוגמה 12/1/70</translation>
    </message>
    <message>
        <source> or  Dec 1 70</source>
        <translation> או  ⁦Dec 1 70⁩</translation>
    </message>
    <message>
        <source> or  December 1 1970</source>
        <translation> או  ⁦December 1 1970⁩</translation>
    </message>
    <message>
        <source> eg. 70/12/1</source>
        <translation> לדוגמה 70/12/1</translation>
    </message>
    <message>
        <source> or  70 Dec 1</source>
        <translation> או  ⁦70 Dec 1⁩</translation>
    </message>
    <message>
        <source> or  1970 December 1</source>
        <translation> או  ⁦1970 December 1⁩</translation>
    </message>
    <message>
        <source> eg. 1/12/70</source>
        <translation> לדוגמה 1/12/70</translation>
    </message>
    <message>
        <source> or  1 Dec 70</source>
        <translation> או  ⁦1 Dec 70⁩</translation>
    </message>
    <message>
        <source> or  1 December 1970</source>
        <translation> או  ⁦1 December 1970⁩</translation>
    </message>
    <message>
        <source>Birthdays/Yahrtzeits</source>
        <translation>ימי הולדת/יארצייט</translation>
    </message>
    <message>
        <source>Original date</source>
        <translation>התאריך המקורי</translation>
    </message>
    <message>
        <source>Year wanted</source>
        <translation>השנה המבוקשת</translation>
    </message>
    <message>
        <source>Jewish Date</source>
        <translation>תאריך עברי</translation>
    </message>
    <message>
        <source>Equivalent Date of B&apos;day</source>
        <translation>התאריך המקביל</translation>
    </message>
    <message>
        <source>Number of years</source>
        <translation>מספר שנים</translation>
    </message>
    <message>
        <source>List of equivalent dates</source>
        <translation>רשימת התאריכים המקבילים</translation>
    </message>
    <message>
        <source>Enter the original Date</source>
        <translation>הקלידו את התאריך המקורי</translation>
    </message>
    <message>
        <source>of the Birthday or Yahrtzeit</source>
        <translation>של יום ההולדת או היארצייט</translation>
    </message>
    <message>
        <source>   eg. 1/12/70</source>
        <translation>   לדוגמה 1/12/70</translation>
    </message>
    <message>
        <source>   or   1 Dec 70</source>
        <translation>   או   ⁦1 Dec 70⁩</translation>
    </message>
    <message>
        <source>   or   1 December 1970</source>
        <translation>   או   ⁦1 December 1970⁩</translation>
    </message>
    <message>
        <source>Click Here if Between</source>
        <translation>סמנו כאן אם בין</translation>
    </message>
    <message>
        <source>Sunset &amp;&amp; Midnight</source>
        <translation>השקיעה לחצות</translation>
    </message>
    <message>
        <source>Enter the Year you want</source>
        <translation>הקלידו את השנה שבה</translation>
    </message>
    <message>
        <source> to know the equivalent</source>
        <translation> תרצו לדעת את התאריך</translation>
    </message>
    <message>
        <source> Date of the Birthday or</source>
        <translation> המקביל של יום ההולדת</translation>
    </message>
    <message>
        <source> Yahrtzeit</source>
        <translation> או היארצייט,</translation>
    </message>
    <message>
        <source> eg. this year.</source>
        <translation> למשל השנה.</translation>
    </message>
    <message>
        <source>Date of Day of B&apos;day or Y&apos;tzeit</source>
        <translation>תאריך היום של ההולדת/היארצייט</translation>
    </message>
    <message>
        <source>Date of Night of B&apos;day or Y&apos;tziet</source>
        <translation>תאריך הלילה של ההולדת/היארצייט</translation>
    </message>
    <message>
        <source>If you want a list of </source>
        <translation>לרשימת תאריכים</translation>
    </message>
    <message>
        <source>equivalent dates for a </source>
        <translation>מקבילים לכמה שנים</translation>
    </message>
    <message>
        <source>number of years, enter </source>
        <translation>הקלידו כאן את</translation>
    </message>
    <message>
        <source>how many years here:</source>
        <translation>מספר השנים:</translation>
    </message>
    <message>
        <source>between sunset and midnight</source>
        <translation>בין השקיעה לחצות</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>ייצוא רשימה</translation>
    </message>
    <message>
        <source>Name of the event:</source>
        <translation>שם האירוע:</translation>
    </message>
</context>
<context>
    <name>mirvane::TCalendarAccountDialog</name>
    <message>
        <source>Calendar Account</source>
        <translation>חשבון לוח שנה</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>כתובת השרת</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>שם משתמש</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>סיסמה</translation>
    </message>
    <message>
        <source>&amp;Find Calendars</source>
        <translation>&amp;חיפוש לוחות שנה</translation>
    </message>
    <message>
        <source>New calendar &quot;Mirvane&quot;</source>
        <translation>לוח שנה חדש &quot;Mirvane&quot;</translation>
    </message>
    <message>
        <source>Years ahead</source>
        <translation>שנים קדימה</translation>
    </message>
    <message>
        <source>&amp;Calendar:</source>
        <translation>&amp;לוח שנה:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;כתובת:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;שם משתמש:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;סיסמה:</translation>
    </message>
    <message>
        <source>&amp;Years ahead:</source>
        <translation>&amp;שנים קדימה:</translation>
    </message>
    <message>
        <source>&amp;Stop Syncing</source>
        <translation>&amp;הפסקת הסנכרון</translation>
    </message>
    <message>
        <source>Finding the calendars…</source>
        <translation>מחפש את לוחות השנה…</translation>
    </message>
    <message numerus="yes">
        <source>%n calendar(s) found.</source>
        <translation>
            <numerusform>נמצא לוח שנה אחד.</numerusform>
            <numerusform>נמצאו %n לוחות שנה.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop Syncing</source>
        <translation>הפסקת הסנכרון</translation>
    </message>
    <message>
        <source>Remove Mirvane&apos;s events from the calendar on the server too?</source>
        <translation>להסיר גם את האירועים של Mirvane מלוח השנה בשרת?</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>לוחות שנה</translation>
    </message>
    <message>
        <source>Also the &amp;festivals of the next 12 months</source>
        <translation>גם ה&amp;חגים של 12 החודשים הבאים</translation>
    </message>
    <message>
        <source>Also the candle-lighting &amp;times of the next 12 months at the chosen place</source>
        <translation>גם &amp;זמני הדלקת הנרות של 12 החודשים הבאים במקום שנבחר</translation>
    </message>
</context>
<context>
    <name>mirvane::TCalendarTab</name>
    <message>
        <source>Calendar</source>
        <translation>לוח שנה</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>שנה</translation>
    </message>
    <message>
        <source>Jewish Year</source>
        <translation>שנה עברית</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>החודש הבא</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>החודש הקודם</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>השנה הבאה</translation>
    </message>
    <message>
        <source>Previous Year</source>
        <translation>השנה הקודמת</translation>
    </message>
    <message>
        <source>Today&apos;s Date</source>
        <translation>תאריך היום</translation>
    </message>
</context>
<context>
    <name>mirvane::TDateCustomsDialog</name>
    <message>
        <source>Customs of the date</source>
        <translation>מנהגי התאריך</translation>
    </message>
    <message>
        <source>As the program&apos;s options</source>
        <translation>כהגדרות התוכנה</translation>
    </message>
    <message>
        <source>Adar I</source>
        <translation>אדר א׳</translation>
    </message>
    <message>
        <source>Adar II</source>
        <translation>אדר ב׳</translation>
    </message>
    <message>
        <source>Both Adars</source>
        <translation>שני האדרים</translation>
    </message>
    <message>
        <source>The next day</source>
        <translation>היום הבא</translation>
    </message>
    <message>
        <source>The 29th</source>
        <translation>כ״ט בחודש</translation>
    </message>
    <message>
        <source>By the first anniversary</source>
        <translation>לפי יום השנה הראשון</translation>
    </message>
    <message>
        <source>30 Shvat</source>
        <translation>ל׳ שבט</translation>
    </message>
    <message>
        <source>1 Nissan</source>
        <translation>א׳ ניסן</translation>
    </message>
    <message>
        <source>Adar in a leap year</source>
        <translation>אדר בשנה מעוברת</translation>
    </message>
    <message>
        <source>30th of a short month</source>
        <translation>ל׳ בחודש חסר</translation>
    </message>
    <message>
        <source>30 Adar I in a common year</source>
        <translation>ל׳ אדר א׳ בשנה פשוטה</translation>
    </message>
    <message>
        <source>Date of burial</source>
        <translation>תאריך הקבורה</translation>
    </message>
    <message>
        <source>Adar in a leap year:</source>
        <translation>אדר בשנה מעוברת:</translation>
    </message>
    <message>
        <source>30 Cheshvan or Kislev in a 29-day month:</source>
        <translation>ל׳ חשוון או כסלו בחודש של 29 יום:</translation>
    </message>
    <message>
        <source>30 Adar I in a common year:</source>
        <translation>ל׳ אדר א׳ בשנה פשוטה:</translation>
    </message>
    <message>
        <source>Date of burial (first yahrzeit):</source>
        <translation>תאריך הקבורה (יארצייט ראשון):</translation>
    </message>
</context>
<context>
    <name>mirvane::TFestivalsTab</name>
    <message>
        <source>Festivals</source>
        <translation>חגים</translation>
    </message>
    <message>
        <source>Gregorian Year</source>
        <translation>שנה לועזית</translation>
    </message>
    <message>
        <source>Date of Festival</source>
        <translation>תאריך החג</translation>
    </message>
    <message>
        <source>Number of years</source>
        <translation>מספר שנים</translation>
    </message>
    <message>
        <source>List of festival dates</source>
        <translation>רשימת תאריכי החג</translation>
    </message>
    <message>
        <source>Name of Festival</source>
        <translation>שם החג</translation>
    </message>
    <message>
        <source>If you want a list of </source>
        <translation>לרשימת תאריכים</translation>
    </message>
    <message>
        <source>festival dates for a </source>
        <translation>של החג לכמה שנים</translation>
    </message>
    <message>
        <source>number of years, enter </source>
        <translation>הקלידו כאן את</translation>
    </message>
    <message>
        <source>how many years here:</source>
        <translation>מספר השנים:</translation>
    </message>
</context>
<context>
    <name>mirvane::TForm1</name>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The page has no answer to export.</source>
        <translation>אין בעמוד תשובה לייצוא.</translation>
    </message>
    <message>
        <source>Cannot export the list: %1.</source>
        <translation>לא ניתן לייצא את הרשימה: %1.</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>ייצוא רשימה</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>&amp;ייצוא רשימה...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;הדפסה...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;תצוגה מקדימה...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;אפשרויות</translation>
    </message>
    <message>
        <source>&amp;Diaspora</source>
        <translation>&amp;חוץ לארץ</translation>
    </message>
    <message>
        <source>&amp;Israel</source>
        <translation>&amp;ארץ ישראל</translation>
    </message>
    <message>
        <source>Date Entry Format</source>
        <translation>סדר הקלדת תאריך</translation>
    </message>
    <message>
        <source>dd/mm/yy</source>
        <translation>יום/חודש/שנה</translation>
    </message>
    <message>
        <source>mm/dd/yy</source>
        <translation>חודש/יום/שנה</translation>
    </message>
    <message>
        <source>yy/mm/dd</source>
        <translation>שנה/חודש/יום</translation>
    </message>
    <message>
        <source>Calendar by</source>
        <translation>לוח לפי</translation>
    </message>
    <message>
        <source>Gregorian Month</source>
        <translation>חודש לועזי</translation>
    </message>
    <message>
        <source>Jewish Month</source>
        <translation>חודש עברי</translation>
    </message>
    <message>
        <source>Stam Adar</source>
        <translation>אדר סתם</translation>
    </message>
    <message>
        <source>Adar 1</source>
        <translation>אדר א׳</translation>
    </message>
    <message>
        <source>Adar 2</source>
        <translation>אדר ב׳</translation>
    </message>
    <message>
        <source>&amp;Hebrew Names</source>
        <translation>&amp;שמות עבריים</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ש&amp;פה</translation>
    </message>
    <message>
        <source>System</source>
        <translation>שפת המערכת</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
    <message>
        <source>&amp;Notes...</source>
        <translation>&amp;הערות...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;אודות...</translation>
    </message>
    <message>
        <source>Note: Gregorian dates before 15 Oct 1582 are inaccurate
The calendar was changed at this date, and this program assumes a theoretical calendar which didn&apos;t change</source>
        <translation>הערה: תאריכים לועזיים לפני 15 באוקטובר 1582 אינם מדויקים
בתאריך זה הוחלף הלוח, והתוכנה מניחה לוח תאורטי שלא השתנה</translation>
    </message>
    <message>
        <source>Lo&amp;cation...</source>
        <translation>&amp;מיקום...</translation>
    </message>
    <message>
        <source>Candle-lighting &amp;Times</source>
        <translation>&amp;זמני הדלקת נרות</translation>
    </message>
    <message>
        <source>Candle-lighting &amp;Times (choose a place first)</source>
        <translation>&amp;זמני הדלקת נרות (בחרו מקום תחילה)</translation>
    </message>
    <message>
        <source>&amp;Import Dates...</source>
        <translation>&amp;ייבוא תאריכים...</translation>
    </message>
    <message>
        <source>&amp;Undo Import</source>
        <translation>&amp;ביטול הייבוא</translation>
    </message>
    <message>
        <source>Import Dates</source>
        <translation>ייבוא תאריכים</translation>
    </message>
    <message>
        <source>Lists of dates (*.ics *.csv *.ged *.txt);;All files (*)</source>
        <translation>רשימות תאריכים (*.ics *.csv *.ged *.txt);;כל הקבצים (*)</translation>
    </message>
    <message>
        <source>Calendar &amp;Account...</source>
        <translation>חשבון &amp;לוח שנה...</translation>
    </message>
    <message>
        <source>Calendar Account</source>
        <translation>חשבון לוח שנה</translation>
    </message>
    <message>
        <source>Password of %1 at %2:</source>
        <translation>הסיסמה של %1 ב־%2:</translation>
    </message>
    <message>
        <source>&amp;Show on the Calendar</source>
        <translation>&amp;הצג בלוח</translation>
    </message>
    <message>
        <source>&amp;Rosh Chodesh</source>
        <translation>&amp;ראש חודש</translation>
    </message>
    <message>
        <source>&amp;Special Shabbatot</source>
        <translation>&amp;שבתות מיוחדות</translation>
    </message>
    <message>
        <source>Shabbat &amp;Mevarchim and Molad</source>
        <translation>שבת &amp;מברכים והמולד</translation>
    </message>
    <message>
        <source>&amp;Omer</source>
        <translation>ספירת ה&amp;עומר</translation>
    </message>
    <message>
        <source>Israel's &amp;National Days</source>
        <translation>&amp;ימים לאומיים בישראל</translation>
    </message>
    <message>
        <source>M&amp;inor Days</source>
        <translation>מועדים &amp;קטנים</translation>
    </message>
    <message>
        <source>Daily &amp;Learning</source>
        <translation>&amp;לימוד יומי</translation>
    </message>
</context>
<context>
    <name>mirvane::TFormAbout</name>
    <message>
        <source>About Mirvane</source>
        <translation>אודות מירווין</translation>
    </message>
    <message>
        <source>Mirvane icon</source>
        <translation>הסמל של מירווין</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>גרסה %1</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>The place list is from %1 (%2), licensed under %3.</source>
        <translation>רשימת המקומות מבוססת על %1 ‏(%2), ברישיון %3.</translation>
    </message>
</context>
<context>
    <name>mirvane::TImportDialog</name>
    <message>
        <source>Import Dates</source>
        <translation>ייבוא תאריכים</translation>
    </message>
    <message>
        <source>To be added:</source>
        <translation>יתווספו:</translation>
    </message>
    <message>
        <source>Occasion</source>
        <translation>אירוע</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>סוג</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>תאריך</translation>
    </message>
    <message>
        <source>Jewish date</source>
        <translation>תאריך עברי</translation>
    </message>
    <message>
        <source>Recurs</source>
        <translation>חוזר</translation>
    </message>
    <message>
        <source>Dates to be added</source>
        <translation>תאריכים שיתווספו</translation>
    </message>
    <message>
        <source>Skipped:</source>
        <translation>דולגו:</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>היכן</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>סיבה</translation>
    </message>
    <message>
        <source>Dates skipped</source>
        <translation>תאריכים שדולגו</translation>
    </message>
    <message>
        <source>Yahrzeit</source>
        <translation>יארצייט</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>יום הולדת</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>יום נישואין</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>אחר</translation>
    </message>
    <message>
        <source>every year on the Gregorian date</source>
        <translation>בכל שנה בתאריך הלועזי</translation>
    </message>
    <message>
        <source>this year and date only</source>
        <translation>רק בשנה ובתאריך האלה</translation>
    </message>
    <message>
        <source>every year on the Jewish date</source>
        <translation>בכל שנה בתאריך העברי</translation>
    </message>
    <message>
        <source>Name column</source>
        <translation>עמודת השם</translation>
    </message>
    <message>
        <source>Date column</source>
        <translation>עמודת התאריך</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>סדר התאריך</translation>
    </message>
    <message>
        <source>Dates are</source>
        <translation>התאריכים הם</translation>
    </message>
    <message>
        <source>Month/Day/Year</source>
        <translation>חודש/יום/שנה</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>יום/חודש/שנה</translation>
    </message>
    <message>
        <source>Year/Month/Day</source>
        <translation>שנה/חודש/יום</translation>
    </message>
    <message>
        <source>Gregorian</source>
        <translation>לועזיים</translation>
    </message>
    <message>
        <source>Jewish</source>
        <translation>עבריים</translation>
    </message>
    <message>
        <source>&amp;Name column:</source>
        <translation>עמודת ה&amp;שם:</translation>
    </message>
    <message>
        <source>Date &amp;column:</source>
        <translation>&amp;עמודת התאריך:</translation>
    </message>
    <message>
        <source>Date &amp;order:</source>
        <translation>&amp;סדר התאריך:</translation>
    </message>
    <message>
        <source>Dates &amp;are:</source>
        <translation>ה&amp;תאריכים הם:</translation>
    </message>
    <message numerus="yes">
        <source>%n date(s) will be added, </source>
        <translation>
            <numerusform>יתווסף תאריך אחד, </numerusform>
            <numerusform>יתווספו %n תאריכים, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped.</source>
        <translation>
            <numerusform>דולג אחד.</numerusform>
            <numerusform>דולגו %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>mirvane::TLocationDialog</name>
    <message>
        <source>When the stars appear (the sun 8.5° below the horizon)</source>
        <translation>בצאת הכוכבים (השמש 8.5° מתחת לאופק)</translation>
    </message>
    <message>
        <source>%1 minutes after sunset</source>
        <translation>%1 דקות אחרי השקיעה</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>מיקום</translation>
    </message>
    <message>
        <source>&amp;Find a place by its name:</source>
        <translation>&amp;חיפוש מקום לפי שמו:</translation>
    </message>
    <message>
        <source>Find a place</source>
        <translation>חיפוש מקום</translation>
    </message>
    <message>
        <source>e.g. Lakewood, or Lakewood, New Jersey</source>
        <translation>למשל Lakewood, או Lakewood, New Jersey</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>מקומות שנמצאו</translation>
    </message>
    <message>
        <source>Or type the place&apos;s coordinates and time zone:</source>
        <translation>או הקלידו את קואורדינטות המקום ואת אזור הזמן:</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>קו רוחב</translation>
    </message>
    <message>
        <source>degrees north; south below 0</source>
        <translation>מעלות צפונה; דרומה מתחת ל־0</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>קו אורך</translation>
    </message>
    <message>
        <source>degrees east; west below 0</source>
        <translation>מעלות מזרחה; מערבה מתחת ל־0</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>אזור זמן</translation>
    </message>
    <message>
        <source>e.g. America/New_York</source>
        <translation>למשל America/New_York</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>קו &amp;רוחב:</translation>
    </message>
    <message>
        <source>L&amp;ongitude:</source>
        <translation>קו &amp;אורך:</translation>
    </message>
    <message>
        <source>&amp;Time zone:</source>
        <translation>אזור &amp;זמן:</translation>
    </message>
    <message>
        <source>Candle lighting minutes before sunset</source>
        <translation>דקות הדלקת נרות לפני השקיעה</translation>
    </message>
    <message>
        <source> minutes before sunset</source>
        <translation> דקות לפני השקיעה</translation>
    </message>
    <message>
        <source>&amp;Candle lighting:</source>
        <translation>הדלקת &amp;נרות:</translation>
    </message>
    <message>
        <source>Havdalah</source>
        <translation>הבדלה</translation>
    </message>
    <message>
        <source>&amp;Havdalah:</source>
        <translation>&amp;הבדלה:</translation>
    </message>
    <message>
        <source>Places cannot be found by name: %1. Type the latitude, longitude and time zone instead.</source>
        <translation>לא ניתן לחפש מקומות לפי שם: %1. הקלידו במקום זאת קו רוחב, קו אורך ואזור זמן.</translation>
    </message>
    <message>
        <source>Latitude: type the degrees north of the equator, from -90 to 90 (south below 0), e.g. 40.71427.</source>
        <translation>קו רוחב: הקלידו את המעלות מצפון לקו המשווה, מ־‎-90 עד 90 (דרומה מתחת ל־0), למשל 40.71427.</translation>
    </message>
    <message>
        <source>Longitude: type the degrees east of Greenwich, from -180 to 180 (west below 0), e.g. -74.00597.</source>
        <translation>קו אורך: הקלידו את המעלות ממזרח לגריניץ׳, מ־‎-180 עד 180 (מערבה מתחת ל־0), למשל ‎-74.00597.</translation>
    </message>
    <message>
        <source>Time zone: &quot;%1&quot; is not a time zone of the system&apos;s zone database; type one such as Europe/London or America/New_York.</source>
        <translation>אזור זמן: &quot;%1&quot; אינו אזור זמן במאגר אזורי הזמן של המערכת; הקלידו אזור כמו Europe/London או America/New_York.</translation>
    </message>
    <message>
        <source>This place</source>
        <translation>מקום זה</translation>
    </message>
    <message>
        <source>%1 is in Israel. Use the Israel rules for the festivals and portions?</source>
        <translation>%1 נמצא בארץ ישראל. להשתמש בכללי ארץ ישראל לחגים ולפרשות?</translation>
    </message>
    <message>
        <source>%1 is outside Israel. Use the Diaspora rules for the festivals and portions?</source>
        <translation>%1 נמצא מחוץ לארץ ישראל. להשתמש בכללי חוץ לארץ לחגים ולפרשות?</translation>
    </message>
    <message>
        <source>No place called &quot;%1&quot; was found. Try another spelling, or type the coordinates and time zone below.</source>
        <translation>לא נמצא מקום בשם „%1”. נסו כתיב אחר, או הקלידו למטה את הקואורדינטות ואזור הזמן.</translation>
    </message>
    <message>
        <source>Candle lighting: type the minutes before sunset, from 0 to %1.</source>
        <translation>הדלקת נרות: הקלידו את מספר הדקות לפני השקיעה, מ־0 עד %1.</translation>
    </message>
</context>
<context>
    <name>mirvane::TMirvaneGrid</name>
    <message>
        <source>Month grid</source>
        <translation>טבלת החודש</translation>
    </message>
    <message>
        <source>Candles %1 minutes before sunset</source>
        <translation>הדלקת נרות %1 דקות לפני השקיעה</translation>
    </message>
</context>
<context>
    <name>mirvane::TRememberTab</name>
    <message>
        <source>Kind:</source>
        <translation>סוג:</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>סוג</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>אחר</translation>
    </message>
    <message>
        <source>Yahrzeit</source>
        <translation>יארצייט</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>יום הולדת</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>יום נישואין</translation>
    </message>
    <message>
        <source>Customs...</source>
        <translation>מנהגים...</translation>
    </message>
    <message>
        <source>The date of burial is not a valid date on or after the date.</source>
        <translation>תאריך הקבורה אינו תאריך תקין בתאריך או אחריו.</translation>
    </message>
    <message>
        <source>%1 (first yahrzeit, by the burial)</source>
        <translation>%1 (יארצייט ראשון, לפי הקבורה)</translation>
    </message>
    <message>
        <source>The date is not a valid date.</source>
        <translation>התאריך אינו תאריך תקין.</translation>
    </message>
    <message>
        <source>The number of days before must be a whole number from 0 to 365.</source>
        <translation>מספר הימים מראש חייב להיות מספר שלם מ־0 עד 365.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?</source>
        <translation>למחוק את &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Dates to Remember</source>
        <translation>תאריכים לזכור</translation>
    </message>
    <message>
        <source>Name of occasion</source>
        <translation>שם האירוע</translation>
    </message>
    <message>
        <source>Date of occasion</source>
        <translation>תאריך האירוע</translation>
    </message>
    <message>
        <source>Jewish date of occasion</source>
        <translation>התאריך העברי של האירוע</translation>
    </message>
    <message>
        <source>Days before</source>
        <translation>ימים מראש</translation>
    </message>
    <message>
        <source>Dates to remember</source>
        <translation>תאריכים לזכור</translation>
    </message>
    <message>
        <source>Occasion between sunset and midnight</source>
        <translation>האירוע בין השקיעה לחצות</translation>
    </message>
    <message>
        <source>Name of Occasion</source>
        <translation>שם האירוע</translation>
    </message>
    <message>
        <source>G Date</source>
        <translation>תאריך לועזי</translation>
    </message>
    <message>
        <source>J Date</source>
        <translation>תאריך עברי</translation>
    </message>
    <message>
        <source>Date this year</source>
        <translation>התאריך השנה</translation>
    </message>
    <message>
        <source>New date to remember</source>
        <translation>תאריך חדש לזכור</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>עריכה</translation>
    </message>
    <message>
        <source>Sort list by</source>
        <translation>מיון הרשימה לפי</translation>
    </message>
    <message>
        <source>Occasion</source>
        <translation>אירוע</translation>
    </message>
    <message>
        <source>Details of the date to remember:</source>
        <translation>פרטי התאריך לזכור:</translation>
    </message>
    <message>
        <source>Name of occasion:</source>
        <translation>שם האירוע:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>תאריך:</translation>
    </message>
    <message>
        <source>Jewish Date:</source>
        <translation>תאריך עברי:</translation>
    </message>
    <message>
        <source>Sunset &amp;&amp; Midnight</source>
        <translation>השקיעה לחצות</translation>
    </message>
    <message>
        <source>Remind me:</source>
        <translation>להזכיר לי:</translation>
    </message>
    <message>
        <source>days before.</source>
        <translation>ימים מראש.</translation>
    </message>
    <message>
        <source>Remind me every year on the Jewish date</source>
        <translation>להזכיר לי בכל שנה בתאריך העברי</translation>
    </message>
    <message>
        <source>Remind me every year on the Gregorian date</source>
        <translation>להזכיר לי בכל שנה בתאריך הלועזי</translation>
    </message>
    <message>
        <source>Remind me on this year and date only</source>
        <translation>להזכיר לי רק בשנה ובתאריך האלה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Check the dates every time I:</source>
        <translation>לבדוק את התאריכים בכל פעם שאני:</translation>
    </message>
    <message>
        <source>Turn on the computer</source>
        <translation>מפעיל את המחשב</translation>
    </message>
    <message>
        <source>Run Mirvane</source>
        <translation>מפעיל את מירווין</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>ייצוא רשימה</translation>
    </message>
    <message>
        <source>Number of years:</source>
        <translation>מספר שנים:</translation>
    </message>
</context>
<context>
    <name>mirvane::TReminderWindow</name>
    <message>
        <source>Dates to remember</source>
        <translation>תאריכים לזכור</translation>
    </message>
    <message>
        <source>Due dates</source>
        <translation>תאריכים קרובים</translation>
    </message>
    <message>
        <source>Occasion</source>
        <translation>אירוע</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>תאריך</translation>
    </message>
    <message>
        <source>When</source>
        <translation>מתי</translation>
    </message>
    <message>
        <source>Show the list</source>
        <translation>הצגת הרשימה</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>mirvane::TTimesTab</name>
    <message>
        <source>The time zone %1 is not in the system&apos;s zone database; choose the place again (Options, Location...).</source>
        <translation>אזור הזמן %1 אינו במאגר אזורי הזמן של המערכת; בחרו את המקום שוב (אפשרויות, מיקום...).</translation>
    </message>
    <message>
        <source>Choose your place to see its times of the day: click Location... or use Options, Location...</source>
        <translation>בחרו את מקומכם כדי לראות את זמני היום בו: לחצו על מיקום... או בחרו אפשרויות, מיקום...</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>זמנים</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>מקום:</translation>
    </message>
    <message>
        <source>&amp;Location...</source>
        <translation>&amp;מיקום...</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;תאריך:</translation>
    </message>
    <message>
        <source>Date of times</source>
        <translation>תאריך הזמנים</translation>
    </message>
    <message>
        <source>Candle-lighting minutes</source>
        <translation>דקות הדלקת הנרות</translation>
    </message>
    <message>
        <source>Why a time is absent</source>
        <translation>מדוע חסר זמן</translation>
    </message>
    <message>
        <source>Day of times</source>
        <translation>יום הזמנים</translation>
    </message>
    <message>
        <source>Times of the day</source>
        <translation>זמני היום</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>זמן</translation>
    </message>
    <message>
        <source>At</source>
        <translation>שעה</translation>
    </message>
    <message>
        <source>Month of times</source>
        <translation>חודש הזמנים</translation>
    </message>
    <message>
        <source>Candle lighting and havdalah this month</source>
        <translation>הדלקת נרות והבדלה החודש</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>תאריך</translation>
    </message>
    <message>
        <source>Portion or festival</source>
        <translation>פרשה או חג</translation>
    </message>
    <message>
        <source>No place chosen</source>
        <translation>לא נבחר מקום</translation>
    </message>
    <message>
        <source>Type a date to export its month&apos;s times.</source>
        <translation>הקלידו תאריך כדי לייצא את זמני החודש שלו.</translation>
    </message>
    <message>
        <source>Choose your place first: Options, Location...</source>
        <translation>בחרו קודם את מקומכם: אפשרויות, מיקום...</translation>
    </message>
    <message>
        <source>Dawn</source>
        <translation>עלות השחר</translation>
    </message>
    <message>
        <source>Earliest tallit and tefillin</source>
        <translation>זמן ציצית ותפילין</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>הנץ החמה</translation>
    </message>
    <message>
        <source>Latest Shma (Magen Avraham)</source>
        <translation>סוף זמן קריאת שמע (מג״א)</translation>
    </message>
    <message>
        <source>Latest Shma (Gra)</source>
        <translation>סוף זמן קריאת שמע (גר״א)</translation>
    </message>
    <message>
        <source>Latest Shacharit (Magen Avraham)</source>
        <translation>סוף זמן תפילה (מג״א)</translation>
    </message>
    <message>
        <source>Latest Shacharit (Gra)</source>
        <translation>סוף זמן תפילה (גר״א)</translation>
    </message>
    <message>
        <source>Midday</source>
        <translation>חצות היום</translation>
    </message>
    <message>
        <source>Earliest Mincha</source>
        <translation>מנחה גדולה</translation>
    </message>
    <message>
        <source>Mincha Ketana</source>
        <translation>מנחה קטנה</translation>
    </message>
    <message>
        <source>Plag HaMincha</source>
        <translation>פלג המנחה</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>שקיעה</translation>
    </message>
    <message>
        <source>Nightfall</source>
        <translation>צאת הכוכבים</translation>
    </message>
    <message>
        <source>Candle lighting</source>
        <translation>הדלקת נרות</translation>
    </message>
    <message>
        <source>Chanukah candles</source>
        <translation>נרות חנוכה</translation>
    </message>
    <message>
        <source>Havdalah</source>
        <translation>הבדלה</translation>
    </message>
    <message>
        <source>Fast begins</source>
        <translation>תחילת הצום</translation>
    </message>
    <message>
        <source>Fast ends</source>
        <translation>סוף הצום</translation>
    </message>
    <message>
        <source>Candles %1 minutes before sunset</source>
        <translation>הדלקת נרות %1 דקות לפני השקיעה</translation>
    </message>
    <message>
        <source>The sun does not set on this day</source>
        <translation>השמש אינה שוקעת ביום הזה</translation>
    </message>
    <message>
        <source>The sun does not rise on this day</source>
        <translation>השמש אינה זורחת ביום הזה</translation>
    </message>
    <message>
        <source>It does not get dark enough for %1</source>
        <translation>לא מחשיך די הצורך ל%1</translation>
    </message>
    <message>
        <source>It does not get light enough for %1</source>
        <translation>לא מאיר די הצורך ל%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date the page can show. Type a day, month and year from %2 to %3, e.g. %4.</source>
        <translation>„%1” אינו תאריך שהדף יכול להציג. הקלידו יום, חודש ושנה מ־%2 עד %3, למשל %4.</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>מקום: %1</translation>
    </message>
    <message>
        <source>The clocks of %1 skipped this day.</source>
        <translation>השעונים של %1 דילגו על היום הזה.</translation>
    </message>
    <message>
        <source>the place typed</source>
        <translation>המקום שהוקלד</translation>
    </message>
</context>
<context>
    <name>mirvane::TUpDown</name>
    <message>
        <source>Up</source>
        <translation>למעלה</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>למטה</translation>
    </message>
    <message>
        <source> up/down</source>
        <translation> למעלה/למטה</translation>
    </message>
</context>
<context>
    <name>mirvane::TWindowPage</name>
    <message>
        <source>This page has no list to export.</source>
        <translation>אין בעמוד זה רשימה לייצוא.</translation>
    </message>
</context>
<context>
    <name>mirvane::TYearDetailsTab</name>
    <message>
        <source>Nissan</source>
        <translation>ניסן</translation>
    </message>
    <message>
        <source>Iyar</source>
        <translation>אייר</translation>
    </message>
    <message>
        <source>Sivan</source>
        <translation>סיוון</translation>
    </message>
    <message>
        <source>Tamuz</source>
        <translation>תמוז</translation>
    </message>
    <message>
        <source>Av</source>
        <translation>אב</translation>
    </message>
    <message>
        <source>Elul</source>
        <translation>אלול</translation>
    </message>
    <message>
        <source>Tishrei</source>
        <translation>תשרי</translation>
    </message>
    <message>
        <source>Cheshvan</source>
        <translation>חשון</translation>
    </message>
    <message>
        <source>Kislev</source>
        <translation>כסלו</translation>
    </message>
    <message>
        <source>Tevet</source>
        <translation>טבת</translation>
    </message>
    <message>
        <source>Shvat</source>
        <translation>שבט</translation>
    </message>
    <message>
        <source>Year Details</source>
        <translation>פרטי השנה</translation>
    </message>
    <message>
        <source>Jewish Year</source>
        <translation>שנה עברית</translation>
    </message>
    <message>
        <source>CycleNumber</source>
        <translation>מספר המחזור</translation>
    </message>
    <message>
        <source>Year In Cycle</source>
        <translation>שנה במחזור</translation>
    </message>
    <message>
        <source>Leap Year</source>
        <translation>שנה מעוברת</translation>
    </message>
    <message>
        <source>New MoonTishrei</source>
        <translation>מולד תשרי</translation>
    </message>
    <message>
        <source>First Day of Year</source>
        <translation>היום הראשון בשנה</translation>
    </message>
    <message>
        <source>Season Nissan</source>
        <translation>תקופת ניסן</translation>
    </message>
    <message>
        <source>Days In Cheshvan</source>
        <translation>ימים בחשון</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>חודש</translation>
    </message>
    <message>
        <source>Days In :</source>
        <translation>ימים בחודש:</translation>
    </message>
    <message>
        <source>Molad :</source>
        <translation>מולד:</translation>
    </message>
    <message>
        <source>Molad of Tishrei days</source>
        <translation>מולד תשרי, ימים</translation>
    </message>
    <message>
        <source>Molad of Tishrei hours</source>
        <translation>מולד תשרי, שעות</translation>
    </message>
    <message>
        <source>Molad of Tishrei parts</source>
        <translation>מולד תשרי, חלקים</translation>
    </message>
    <message>
        <source>Date of first day of year</source>
        <translation>תאריך היום הראשון בשנה</translation>
    </message>
    <message>
        <source>Day of Season Nissan</source>
        <translation>יום תקופת ניסן</translation>
    </message>
    <message>
        <source>Days In Kislev</source>
        <translation>ימים בכסלו</translation>
    </message>
    <message>
        <source>Days in month</source>
        <translation>ימים בחודש</translation>
    </message>
    <message>
        <source>Molad of month</source>
        <translation>מולד החודש</translation>
    </message>
    <message>
        <source>Molad of month days</source>
        <translation>מולד החודש, ימים</translation>
    </message>
    <message>
        <source>Molad of month hours</source>
        <translation>מולד החודש, שעות</translation>
    </message>
    <message>
        <source>Molad of month parts</source>
        <translation>מולד החודש, חלקים</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>no</source>
        <translation>לא</translation>
    </message>
    <message>
        <source>New Moon Tishrei</source>
        <translation>מולד תשרי</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>ימים</translation>
    </message>
    <message>
        <source>Molad</source>
        <translation>מולד</translation>
    </message>
    <message>
        <source>Adar</source>
        <translation>אדר</translation>
    </message>
    <message>
        <source>Adar1</source>
        <translation>אדר א׳</translation>
    </message>
    <message>
        <source>Adar2</source>
        <translation>אדר ב׳</translation>
    </message>
    <message>
        <source>%1 %2:%3 and %4 parts</source>
        <translation>%1 %2:%3 ו־%4 חלקים</translation>
    </message>
    <message>
        <source>%1d %2h %3p %4f</source>
        <extracomment>Days, hours, parts (1080 to the hour) and moments (76 to the part).</extracomment>
        <translation>%1י %2ש %3ח %4ר</translation>
    </message>
</context>
</TS>
