org
